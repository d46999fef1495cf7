#include "display_check.h"

#include "translations.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

class DisplayCheck
{
    Q_DECLARE_TR_FUNCTIONS(DisplayCheck)
public:
    static QString MissingDisplay(int argc, char *argv[]);
    static void Report(const char *argv0, const QString &reason);
    static QString Unreachable() { return tr("its display could not be opened"); }
};

bool isSet(const char *variable) { return !qEnvironmentVariableIsEmpty(variable); }

// The reason there is no display to connect to, or nothing when there may be.
// Only the desktop platforms that need a server are judged; offscreen, vnc,
// eglfs and the like are left to Qt.
QString DisplayCheck::MissingDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    bool displayOption = false;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            platform = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "-display" || arg == "--display")
            displayOption = true;
    }
    const bool x11 = displayOption || isSet("DISPLAY");
    const bool wayland = isSet("WAYLAND_DISPLAY");
    if (platform.isEmpty()) {
        if (x11 || wayland)
            return {};
        return tr("no display was found (neither WAYLAND_DISPLAY nor DISPLAY is set)");
    }
    // A list such as "wayland;xcb" is tried in order: one usable entry is enough.
    QStringList needed;
    for (const QString &entry : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb")) {
            if (x11)
                return {};
            needed.append(QStringLiteral("DISPLAY"));
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (wayland)
                return {};
            needed.append(QStringLiteral("WAYLAND_DISPLAY"));
        } else {
            return {};
        }
    }
    if (needed.isEmpty())
        return {};
    needed.removeDuplicates();
    const QString variables =
        needed.size() == 1 ? needed.first() : tr("%1 or %2").arg(needed[0], needed[1]);
    return tr("the platform \"%1\" needs %2, which is not set").arg(platform, variables);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return {};
#endif
}

void DisplayCheck::Report(const char *argv0, const QString &reason)
{
    const QString program = QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
    const QString line =
        tr("%1: cannot open its window: %2. For a reading in this terminal, run: %1 --reading")
            .arg(program, reason);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

// Qt's messages while the display opens, kept until we know whether it did.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QList<HeldMessage> held;
QMutex heldLock; // the platform's own threads may log while it opens

// Release builds log without file and function: keep them absent, not empty.
const char *orNull(const QByteArray &text) { return text.isNull() ? nullptr : text.constData(); }

QtMessageHandler previousHandler = nullptr;
const char *watchedProgram = "";

// Hands the held messages to the handler that was there before.
void replayHeld()
{
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(orNull(message.file), message.line,
                                         orNull(message.function), orNull(message.category));
        if (previousHandler)
            previousHandler(message.type, context, message.text);
    }
    held.clear();
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QMutexLocker locker(&heldLock);
    // Qt gives up on its platform plugin with a fatal message and would
    // abort: one line instead, as when there is no display at all.
    if (type == QtFatalMsg) {
        DisplayCheck::Report(watchedProgram, DisplayCheck::Unreachable());
        std::_Exit(1);
    }
    held.append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

bool DisplayAvailable(int argc, char *argv[])
{
    // Asked first without a translation: a start with a display must not pay
    // for an application object of its own.
    if (DisplayCheck::MissingDisplay(argc, argv).isEmpty())
        return true;
    // In the reader's language: a core application is enough to read it.
    QCoreApplication app(argc, argv);
    InstallTranslations();
    DisplayCheck::Report(argc > 0 ? argv[0] : "brewlore", DisplayCheck::MissingDisplay(argc, argv));
    return false;
}

void WatchDisplayOpening(const char *argv0)
{
    watchedProgram = argv0 ? argv0 : "brewlore";
    previousHandler = qInstallMessageHandler(holdOrEnd);
}

void DisplayOpened()
{
    qInstallMessageHandler(previousHandler);
    const QMutexLocker locker(&heldLock);
    replayHeld();
}
