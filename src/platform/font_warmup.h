#pragma once
// The system's font configuration, read on a thread of its own while the
// program connects to its display. On Linux fontconfig parses its files the
// first time any text is measured, a few milliseconds that would otherwise
// hold up the first window; elsewhere the system reads its fonts itself and
// there is nothing to read ahead.

#include <thread>

namespace platform {

class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp(); // waits, if Wait() has not
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Returns once the configuration is read: call it before the first text
    // is measured, so that the reader and Qt never both read it.
    void Wait();

private:
    std::thread m_reader;
};

} // namespace platform
