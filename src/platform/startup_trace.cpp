#include "startup_trace.h"

#include <QtGlobal>
#include <chrono>
#include <cstdio>

namespace platform {

void TraceStartup(const char *mark)
{
    static const bool wanted = qEnvironmentVariableIsSet("BREWLORE_TRACE_STARTUP");
    if (!wanted)
        return;
    // The steady clock is CLOCK_MONOTONIC on Linux, the clock the benchmark
    // reads when it starts the program.
    using Ms = std::chrono::duration<double, std::milli>;
    const double now = Ms(std::chrono::steady_clock::now().time_since_epoch()).count();
    static const double first = now;
    std::fprintf(stderr, "brewlore start-up: %.3f ms (+%.3f ms after main()): %s\n", now,
                 now - first, mark);
    std::fflush(stderr);
}

} // namespace platform
