#include "display_check.h"

#include "translations.h"
#include <QGuiApplication>
#include <QMutex>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QtMessageHandler previous = nullptr;
QMutex heldLock; // the platform's own threads may log while it opens
QList<std::function<void()>> held;
QStringList tried; // the platforms Qt looked for and could not open, in order

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

// A platform that Qt does not have is a mistake in the command, not a
// missing display: the line names it and the ones Qt has.
void sayNoSuchPlatform(const QStringList &available)
{
    InstallTranslations();
    const QString line = QCoreApplication::translate(
                             "DisplayCheck", "%1: unknown platform \"%2\". Available platforms: %3")
                             .arg(QCoreApplication::applicationName(), tried.join(QLatin1Char(';')),
                                  available.join(QStringLiteral(", ")));
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// Qt's fatal message ends with the platforms it has: "Available platform
// plugins are: minimal, offscreen, xcb."
QStringList availablePlatforms(const QString &fatal)
{
    static const QRegularExpression list(QStringLiteral("platform plugins are: ([^\n]*)\\."));
    const QString names = list.match(fatal).captured(1);
    return names.isEmpty() ? QStringList() : names.split(QStringLiteral(", "));
}

void whileOpening(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt's own failure to open a display: its fatal message before any screen.
    if (type == QtFatalMsg && !QGuiApplication::primaryScreen()) {
        const QStringList available = availablePlatforms(text);
        const bool known = std::any_of(tried.cbegin(), tried.cend(), [&](const QString &name) {
            return available.contains(name);
        });
        if (!available.isEmpty() && !known)
            sayNoSuchPlatform(available);
        else
            sayNoDisplay();
        std::_Exit(1);
    }
    if (type == QtDebugMsg || type == QtFatalMsg) // asked for, or not ours
        return previous(type, context, text);
    if (QGuiApplication::platformName().isEmpty()) { // of a platform Qt could not open
        // "Could not find the Qt platform plugin "nosuch" in """, or "Could
        // not load … "xcb" … even though it was found."
        static const QRegularExpression name(QStringLiteral("platform plugin \"([^\"]*)\""));
        const QRegularExpressionMatch found = name.match(text);
        if (qstrcmp(context.category, "qt.qpa.plugin") == 0 && found.hasMatch())
            tried.append(found.captured(1));
        return;
    }
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
