#include "app/forms_registry.h"
#include "app/startup.h"
#include "platform/instance_guard.h"
#include "platform/settings_store.h"
#include "support/seams.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

// Whether a process holds a lock on this file, read from /proc/locks so
// that looking never takes the lock from a program about to take it.
bool lockedByAProcess(const QString &path)
{
    struct stat file;
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(qulonglong(file.st_ino)) + ' ';
    for (const QByteArray &line : locks.readAll().split('\n'))
        if (line.contains("FLOCK") && line.contains(inode))
            return true;
    return false;
}

// The real program, headless, with settings and runtime folders of its own.
void startProgram(QProcess &program, const QTemporaryDir &config, const QTemporaryDir &runtime,
                  const QList<QPair<QString, QString>> &extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const auto &[name, value] : extra)
        env.insert(name, value);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(BREWLORE_EXE), {});
}

// A start that finds no running copy: no message, no end, the main window.
void startsAlone()
{
    Seams seams;
    FormsRegistry forms;
    StartUp(forms);
    QVERIFY(seams.messages.isEmpty());
    QVERIFY(seams.endStatuses.isEmpty());
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(forms.Main()->windowTitle(), QStringLiteral("Brewlore v1.15"));
}

} // namespace

// Starts beside a running copy that shares this process's settings folder but
// not its runtime folder, as a copy started from cron or an ssh login would.
// The running copy is this test program itself, started with "--hold-guard":
// the guard belongs to one program's settings store, so only a copy of the
// same program can stand in for it.
class tst_StartUp : public QObject
{
    Q_OBJECT
private slots:
    // First, while no copy holds the guard: on Windows every copy of the
    // user's meets the one guard, whatever settings a test gives it.
    void traceMarksTheWayToTheWindow();
    void unguardedWhenNoLockCanBeMade();
    void secondCopyOnlySaysSo();
    void killedCopyDoesNotLockOut();
    void programLocksBesideItsSettings();
    void cleanupTestCase();

private:
    void startFirstCopy();

    QTemporaryDir m_config; // the settings folder both copies share
    QProcess m_first;
};

// A copy of this test that holds the guard of the settings in m_config.
void tst_StartUp::startFirstCopy()
{
    QVERIFY(m_config.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    m_first.setProcessEnvironment(env);
    m_first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-guard")});
    QVERIFY(m_first.waitForStarted());
    QVERIFY(m_first.waitForReadyRead(10000));
    QCOMPARE(m_first.readAllStandardOutput().trimmed(), QByteArray("held"));
}

void tst_StartUp::unguardedWhenNoLockCanBeMade()
{
#ifdef Q_OS_WIN
    QSKIP("A named mutex needs no folder: nothing can stop it being made.");
#endif
    // Below a regular file no folder can be made, whoever runs the test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/dev/null/brewlore"));
    startsAlone();
}

void tst_StartUp::secondCopyOnlySaysSo()
{
    startFirstCopy();
    if (QTest::currentTestFailed())
        return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QVERIFY(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
    Seams seams;
    FormsRegistry forms;
    StartUp(forms);

    QCOMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(seams.messages[0].flags, int(platform::vbInformation));
    QCOMPARE(seams.endStatuses, QList<int>{0});
    QVERIFY(forms.LoadedForms().isEmpty());
    QVERIFY(visibleWindows().isEmpty());
    // No reminder ran: nothing was written to the settings file.
    QVERIFY(!QFileInfo::exists(
        QSettings(QSettings::UserScope, platform::AppName(), platform::AppName()).fileName()));
    QCOMPARE(m_first.state(), QProcess::Running);
    QCOMPARE(m_first.readAllStandardOutput(), QByteArray());
}

void tst_StartUp::killedCopyDoesNotLockOut()
{
    m_first.kill(); // SIGKILL, TerminateProcess: the copy has no say in its end
    QVERIFY(m_first.waitForFinished());
#ifndef Q_OS_WIN
    QVERIFY(QFile::exists(platform::InstanceGuardName())); // the file stays; its lock went
#endif

    startsAlone();
}

void tst_StartUp::programLocksBesideItsSettings()
{
#ifdef Q_OS_WIN
    QSKIP("The guard is a mutex there, not a file; the Wine run in CI kills and restarts the "
          "program.");
#endif
    // The real program, with a runtime folder of its own, holds its lock in
    // its settings folder, where a copy without that runtime folder meets it.
    QTemporaryDir config, runtime;
    QProcess program;
    startProgram(program, config, runtime);
    QVERIFY(program.waitForStarted());
    const QString path = config.filePath(QStringLiteral("brewlore/brewlore.lock"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 10000);

    // Held while the program runs, and let go once it has gone, however it went.
    QTRY_VERIFY_WITH_TIMEOUT(lockedByAProcess(path), 10000);
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished());
    QVERIFY(!lockedByAProcess(path));
    // Unasked, the start-up trace says nothing, not even its first marks.
    QVERIFY(!program.readAllStandardError().contains("start-up"));
}

void tst_StartUp::traceMarksTheWayToTheWindow()
{
    QTemporaryDir config, runtime;
    QProcess program;
    startProgram(program, config, runtime, {{"BREWLORE_TRACE_STARTUP", "1"}});
    QVERIFY(program.waitForStarted());
    QByteArray trace;
    QTRY_VERIFY_WITH_TIMEOUT((trace += program.readAllStandardError()).contains("window shown"),
                             10000);
    program.kill();
    QVERIFY(program.waitForFinished());

    // Each mark once, in the order of the start, on a clock that never goes back.
    static const QRegularExpression markLine(QStringLiteral(
        "^brewlore start-up: ([0-9.]+) ms \\(\\+([0-9.]+) ms after main\\(\\)\\): (.+)$"));
    QStringList marks;
    double previousAt = -1;
    for (const QByteArray &line : trace.trimmed().split('\n')) {
        // Windows ends each line of standard error with CR LF.
        const QRegularExpressionMatch match = markLine.match(QString::fromUtf8(line).trimmed());
        QVERIFY2(match.hasMatch(), line.constData());
        const double at = match.captured(1).toDouble();
        QVERIFY2(at >= previousAt, line.constData());
        previousAt = at;
        marks << match.captured(3);
    }
    QCOMPARE(marks, QStringList({"main()", "display opened", "font configuration read",
                                 "instance and update checked", "main window built",
                                 "main window shown"}));
    QVERIFY(trace.startsWith("brewlore start-up: "));
    QVERIFY(trace.contains("(+0.000 ms after main()): main()"));
}

void tst_StartUp::cleanupTestCase()
{
    if (m_first.state() != QProcess::NotRunning) {
        m_first.kill();
        m_first.waitForFinished();
    }
}

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--hold-guard") == 0) {
        QCoreApplication app(argc, argv);
        if (platform::PrevInstance())
            return 1;
        std::puts("held");
        std::fflush(stdout);
        return QCoreApplication::exec(); // until killed
    }
    QApplication app(argc, argv);
    tst_StartUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
