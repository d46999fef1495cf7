#include "display_check.h"

#include "translations.h"
#include <QGuiApplication>
#include <QMutex>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QtMessageHandler previous = nullptr;
QMutex heldLock; // the platform's own threads may log while it opens
QList<std::function<void()>> held;

// In the reader's language, whose translations a start with a display
// installs only later.
void sayNoDisplay()
{
    InstallTranslations();
    const QString line =
        QCoreApplication::translate("DisplayCheck", "%1: cannot open its window: %2. For a reading "
                                                    "in this terminal, run: %1 --reading")
            .arg(QCoreApplication::applicationName(),
                 QCoreApplication::translate("DisplayCheck", "its display could not be opened"));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

void whileOpening(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt's own failure to open a display: its fatal message before any screen.
    if (type == QtFatalMsg && !QGuiApplication::primaryScreen()) {
        sayNoDisplay();
        std::_Exit(1);
    }
    if (type == QtDebugMsg || type == QtFatalMsg) // asked for, or not ours
        return previous(type, context, text);
    if (QGuiApplication::platformName().isEmpty()) // of a platform Qt could not open
        return;
    const QMutexLocker locker(&heldLock);
    held.append([=, category = QByteArray(context.category)] {
        const char *name = category.isNull() ? nullptr : category.constData();
        previous(type, QMessageLogContext(nullptr, 0, nullptr, name), text);
    });
}

} // namespace

void WatchDisplayOpening() { previous = qInstallMessageHandler(whileOpening); }

bool DisplayOpened()
{
    qInstallMessageHandler(previous);
    const QMutexLocker locker(&heldLock);
    const bool screen = QGuiApplication::primaryScreen();
    for (const auto &replay : std::as_const(held))
        if (screen)
            replay();
    held.clear();
    if (!screen)
        sayNoDisplay();
    return screen;
}
