#pragma once
// Marks on the way to the first window. With BREWLORE_TRACE_STARTUP set in
// the environment, each mark is written to standard error with the time of
// the monotonic clock, so that the benchmark, or anyone curious, sees where
// the start-up goes without a profiler:
//
//   brewlore start-up: 8435798.487 ms (+12.260 ms after main()): display opened
//
// Without it a mark costs one look at a flag.

namespace platform {

void TraceStartup(const char *mark);

} // namespace platform
