#include "launch_probe.h"

#include "platform/geometry.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

extern char **environ;

namespace bench {

namespace {

constexpr int MapTimeoutMs = 15000;

double monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> own(Reply *reply) { return {reply, &std::free}; }

// A connection of our own to the X server that the program draws on. Without
// a window manager the program's windows are children of the root window, so
// selecting the root's substructure events reports every mapping at once.
class XServer
{
public:
    struct Mapped
    {
        xcb_window_t window = XCB_WINDOW_NONE;
        double atMs = -1; // monotonic
    };

    XServer() : m_conn(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_conn))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, m_root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        auto atom = own(xcb_intern_atom_reply(
            m_conn, xcb_intern_atom(m_conn, 0, sizeof name - 1, name), nullptr));
        m_pidAtom = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        m_ok = m_pidAtom != XCB_ATOM_NONE;
    }
    ~XServer() { xcb_disconnect(m_conn); }
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    bool ok() const { return m_ok; }

    // Waits for a window of the process, other than `except`, to be mapped.
    Mapped waitForMap(pid_t pid, xcb_window_t except, int timeoutMs)
    {
        const double deadline = monotonicMs() + timeoutMs;
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn)) {
                const double at = monotonicMs();
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                       &std::free);
                if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                    continue;
                const xcb_window_t window =
                    reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                if (window != except && pidOf(window) == pid)
                    return {window, at};
            }
            const double left = deadline - monotonicMs();
            if (left <= 0 || xcb_connection_has_error(m_conn))
                return {};
            pollfd fd{xcb_get_file_descriptor(m_conn), POLLIN, 0};
            poll(&fd, 1, int(left) + 1);
        }
    }

    // The window's inside, in root coordinates.
    QRect geometry(xcb_window_t window)
    {
        auto size = own(xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, window), nullptr));
        auto origin = own(xcb_translate_coordinates_reply(
            m_conn, xcb_translate_coordinates(m_conn, window, m_root, 0, 0), nullptr));
        if (!size || !origin)
            return {};
        return QRect(origin->dst_x, origin->dst_y, size->width, size->height);
    }

    // A left click at a root position, as if from the mouse.
    void click(QPoint at)
    {
        xcb_test_fake_input(m_conn, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, int16_t(at.x()),
                            int16_t(at.y()), 0);
        xcb_test_fake_input(m_conn, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0,
                            0);
        xcb_test_fake_input(m_conn, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0,
                            0);
        xcb_flush(m_conn);
    }

private:
    pid_t pidOf(xcb_window_t window)
    {
        auto reply = own(xcb_get_property_reply(
            m_conn, xcb_get_property(m_conn, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) != 4)
            return 0;
        return pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t *m_conn;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    bool m_ok = false;
};

// Starts the program with the runtime and settings folders of `home` (its
// single-instance lock lives beside the settings): a fresh home makes a
// first start. With a trace file, the program writes its start-up marks there.
pid_t spawn(const QString &executable, const QString &home, const QString &traceFile)
{
    const QString runtime = home + QStringLiteral("/runtime");
    const QString config = home + QStringLiteral("/config");
    QDir().mkpath(runtime);
    QDir().mkpath(config);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        const bool replaced =
            text.rfind("XDG_RUNTIME_DIR=", 0) == 0 || text.rfind("XDG_CONFIG_HOME=", 0) == 0 ||
            text.rfind("QT_QPA_PLATFORM=", 0) == 0 || text.rfind("BREWLORE_TRACE_STARTUP=", 0) == 0;
        if (!replaced)
            env.push_back(text);
    }
    env.push_back("XDG_RUNTIME_DIR=" + runtime.toStdString());
    env.push_back("XDG_CONFIG_HOME=" + config.toStdString());
    if (!traceFile.isEmpty())
        env.push_back("BREWLORE_TRACE_STARTUP=1");
    std::vector<char *> envp;
    for (std::string &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::string path = executable.toStdString();
    char *argv[] = {path.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string trace = QFile::encodeName(traceFile).toStdString();
    if (!traceFile.isEmpty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, trace.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : pid;
}

// The marks of a start-up trace, in the order written, as times of the
// monotonic clock.
QList<QPair<QString, double>> readMarks(const QString &traceFile)
{
    QList<QPair<QString, double>> marks;
    QFile file(traceFile);
    if (!file.open(QIODevice::ReadOnly))
        return marks;
    static const QRegularExpression markLine(
        QStringLiteral("^brewlore start-up: ([0-9.]+) ms \\(.*\\): (.+)$"));
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QRegularExpressionMatch match = markLine.match(QString::fromUtf8(line));
        if (match.hasMatch())
            marks.append({match.captured(2), match.captured(1).toDouble()});
    }
    return marks;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

long peakResidentKiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The centre of the coffee pot inside the main window: the pot lies in the
// working area, which begins under the menu bar, and the client area below
// the menu bar is 4740 twips high.
QPoint coffeePotCentre(const QRect &window)
{
    const int menuBar = window.height() - platform::tw(4740);
    const QPoint frame1 = platform::twRect(20, 600, 6540, 3255).topLeft();
    const QPoint pot = platform::twRect(2243, 840, 2085, 1515).center();
    return window.topLeft() + QPoint(0, menuBar) + frame1 + pot;
}

// How long to wait after a window is mapped before reading the peak memory:
// time enough for its first paint.
constexpr int PaintSettleMs = 300;

struct Start
{
    pid_t pid = 0;
    XServer::Mapped main;
    QString error;
};

Start startOne(XServer &x, const QString &executable, const QString &home, StartFigures &figures,
               bool traced)
{
    Start start;
    const QString traceFile = traced ? home + QStringLiteral("/start-up.txt") : QString();
    QDir().mkpath(home);
    const double before = monotonicMs();
    start.pid = spawn(executable, home, traceFile);
    if (start.pid == 0) {
        start.error = QStringLiteral("cannot start %1").arg(executable);
        return start;
    }
    start.main = x.waitForMap(start.pid, XCB_WINDOW_NONE, MapTimeoutMs);
    if (start.main.atMs < 0) {
        stop(start.pid);
        start.error = QStringLiteral("the main window of %1 did not show").arg(executable);
        return start;
    }
    figures.shownMs.append(start.main.atMs - before);
    poll(nullptr, 0, PaintSettleMs);
    figures.peakKiB.append(peakResidentKiB(start.pid));
    if (traced) {
        // Every mark up to the window's showing is written before it is mapped.
        for (const auto &[mark, atMs] : readMarks(traceFile))
            figures.addMark(mark, atMs - before);
        figures.addMark(MappedMark, start.main.atMs - before);
    }
    return start;
}

} // namespace

LaunchResults ProbeLaunches(const QString &brewlore, const QString &bareWindow, int starts,
                            const QString &scratchDir)
{
    LaunchResults results;
    XServer x;
    if (!x.ok()) {
        results.error = QStringLiteral("cannot watch the X server");
        return results;
    }
    // One start, not measured, leaves the settings a returning user has.
    const QString returningHome = scratchDir + QStringLiteral("/returning");
    {
        StartFigures warmUp;
        const Start start = startOne(x, brewlore, returningHome, warmUp, true);
        if (!start.error.isEmpty()) {
            results.error = start.error;
            return results;
        }
        stop(start.pid);
    }
    for (int i = 0; i < starts; ++i) {
        const Start again = startOne(x, brewlore, returningHome, results.returning, true);
        if (!again.error.isEmpty()) {
            results.error = again.error;
            return results;
        }
        stop(again.pid);
        // Alternate which goes first, so that neither always meets the
        // machine as the other left it.
        for (int turn = 0; turn < 2; ++turn) {
            const bool bareTurn = (turn == 0) == (i % 2 == 0);
            const QString home =
                QStringLiteral("%1/%2-%3")
                    .arg(scratchDir, bareTurn ? QStringLiteral("bare") : QStringLiteral("brewlore"))
                    .arg(i + 1);
            const Start start = startOne(x, bareTurn ? bareWindow : brewlore, home,
                                         bareTurn ? results.bare : results.brewlore, !bareTurn);
            if (!start.error.isEmpty()) {
                results.error = start.error;
                return results;
            }
            if (!bareTurn && i == starts - 1) {
                const double clicked = monotonicMs();
                x.click(coffeePotCentre(x.geometry(start.main.window)));
                const XServer::Mapped reading =
                    x.waitForMap(start.pid, start.main.window, MapTimeoutMs);
                if (reading.atMs < 0) {
                    results.error = QStringLiteral("the reading window did not show");
                } else {
                    results.readingAfterClickMs = reading.atMs - clicked;
                    // The peak is read once the reading window has painted.
                    poll(nullptr, 0, 500);
                    results.peakAfterReadingKiB = peakResidentKiB(start.pid);
                }
            }
            stop(start.pid);
        }
    }
    return results;
}

} // namespace bench
