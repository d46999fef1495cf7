#include "process_end.h"

#include <QCoreApplication>

namespace platform {

namespace {

ProcessEndHandler &handler()
{
    static ProcessEndHandler h;
    return h;
}

} // namespace

void EndProcess(int status)
{
    if (handler())
        handler()(status);
    else
        QCoreApplication::exit(status);
}

void setProcessEndHandler(ProcessEndHandler h) { handler() = std::move(h); }

} // namespace platform
