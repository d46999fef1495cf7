#include "browser.h"

#ifdef Q_OS_WIN
#include "shell_open_win.h"
#else
#include <QProcess>
#endif

namespace platform {

namespace {

BrowserHandler &handler()
{
    static BrowserHandler h;
    return h;
}

bool launch(const QString &address)
{
#ifdef Q_OS_WIN
    // The shell takes the address in the system's ANSI code page.
    return ShellOpenAddress(address.toLocal8Bit().constData());
#else
    // xdg-open picks the desktop's browser. Started here rather than through
    // QDesktopServices, whose failure warning quotes the whole address: the
    // outcome is ours to see, and the launcher's own complaints, which quote
    // it too, go nowhere. The address is one argument, never a shell word.
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({address});
    opener.setStandardInputFile(QProcess::nullDevice());
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    return opener.startDetached();
#endif
}

} // namespace

bool OpenAddress(const QString &address)
{
    if (handler())
        return handler()(address);
    return launch(address);
}

void setBrowserHandler(BrowserHandler h) { handler() = std::move(h); }

} // namespace platform
