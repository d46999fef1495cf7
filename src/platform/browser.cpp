#include "browser.h"

#ifdef Q_OS_WIN
#include "shell_open_win.h"
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace platform {

namespace {

BrowserHandler &handler()
{
    static BrowserHandler h;
    return h;
}

void launch(const QString &address)
{
#ifdef Q_OS_WIN
    // The shell takes the address in the system's ANSI code page.
    ShellOpenAddress(address.toLocal8Bit().constData());
#else
    // Fire and forget: a missing browser is not the user's problem to hear about.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
#endif
}

} // namespace

void OpenAddress(const QString &address)
{
    if (handler())
        handler()(address);
    else
        launch(address);
}

void setBrowserHandler(BrowserHandler h) { handler() = std::move(h); }

} // namespace platform
