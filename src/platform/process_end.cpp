#include "process_end.h"

#include <QCoreApplication>

namespace platform {

namespace {

ProcessEndHandler &handler()
{
    static ProcessEndHandler h;
    return h;
}

bool ending = false;

} // namespace

void EndProcess(int status)
{
    ending = true;
    if (handler())
        handler()(status);
    else
        QCoreApplication::exit(status);
}

bool ProcessEnding() { return ending; }

void setProcessEndHandler(ProcessEndHandler h)
{
    handler() = std::move(h);
    ending = false;
}

} // namespace platform
