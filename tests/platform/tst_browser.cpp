#include "platform/browser.h"
#include "platform/message_box.h"
#include "referral/tell_a_friend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>
#include <unistd.h>

namespace {

// A request the size of the one a flood of pasted text once made: far over
// the kernel's limit for one argument, carrying names and addresses.
const QString Names[] = {QStringLiteral("Shoshana"), QStringLiteral("shoshana@x.example"),
                         QStringLiteral("Ulrike"), QStringLiteral("ulrike@y.example")};

QString requestCarrying(const QString &name, int length)
{
    QString address = QStringLiteral("https://www.quillory.example/brewlore/ssd.php?page=x");
    for (const QString &value : Names)
        address += QStringLiteral("&v=") + value;
    address += QStringLiteral("&pad=") + name;
    address += QString(length - address.size(), QLatin1Char('a'));
    return address;
}

QStringList messages;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    messages.append(text);
}

// Everything the process writes to standard error, and every Qt message,
// while it lives.
class ErrorCapture
{
public:
    ErrorCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
        messages.clear();
        m_previous = qInstallMessageHandler(recordMessage);
    }
    ~ErrorCapture() { restore(); }

    QString text()
    {
        restore();
        m_file.seek(0);
        return QString::fromUtf8(m_file.readAll()) + messages.join(QLatin1Char('\n'));
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        qInstallMessageHandler(m_previous);
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
    QtMessageHandler m_previous = nullptr;
};

// Ends the event loop as the exit window's Exit does, then deletes what the
// program's end deletes with the application.
void endProgram()
{
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCOMPARE(QCoreApplication::exec(), 0);
    qDeleteAll(qApp->findChildren<QProcess *>());
}

} // namespace

// The real launch, with the desktop's launcher replaced by a script on PATH
// that records its arguments, complains about the address on both of its
// outputs as xdg-open does when no browser answers, and fails.
class tst_Browser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void failedLaunchWritesNoPersonalData();
    void addressIsOneArgument();
    void launcherComplaintsReachNoLog();
    void missingLauncherIsAFailure();
    void launcherThatFailsIsHeardOfLater_data();
    void launcherThatFailsIsHeardOfLater();
    void referralSaysSoWhenTheLauncherFails();
    void referralOutlivesTheProgram();
    void endAfterAFloodIsQuiet();
    void launchesThatNeverEndHoldFewDescriptors();

private:
    // How many launchers have handed their address on.
    qint64 handedOn() const
    {
        return QFileInfo(m_bin.filePath(QStringLiteral("xdg-open.done"))).size();
    }

    QTemporaryDir m_bin;
    QByteArray m_path;
};

void tst_Browser::initTestCase()
{
    QVERIFY(m_bin.isValid());
    QFile script(m_bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "printf '%s' \"$#\" > \"$0.argc\"\n"
                 "printf '%s' \"$1\" > \"$0.arg\"\n"
                 "echo \"xdg-open: no method available for opening '$1'\" >&2\n"
                 "echo \"$1\"\n"
                 "sleep ${BREWLORE_FAKE_DELAY:-0}\n"
                 "echo >> \"$0.done\"\n"
                 "exit ${BREWLORE_FAKE_STATUS:-3}\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_path = qgetenv("PATH");
    qputenv("PATH", m_bin.path().toLocal8Bit() + ':' + m_path);
}

void tst_Browser::cleanupTestCase() { qputenv("PATH", m_path); }

void tst_Browser::init()
{
#ifdef Q_OS_WIN
    QSKIP("Windows opens pages through the shell, not through xdg-open.");
#endif
    for (const char *suffix : {".argc", ".arg", ".done"})
        QFile::remove(m_bin.filePath(QStringLiteral("xdg-open")) + QLatin1String(suffix));
}

void tst_Browser::failedLaunchWritesNoPersonalData()
{
    // Past the kernel's 128 KiB for one argument: the launcher never starts.
    ErrorCapture capture;
    int failures = 0;
    platform::OpenAddress(requestCarrying(QStringLiteral("Pinchas"), 240'120), [&] { ++failures; });
    QTRY_COMPARE(failures, 1);
    const QString written = capture.text();
    QVERIFY(!QFile::exists(m_bin.filePath(QStringLiteral("xdg-open.done"))));
    for (const QString &value : Names)
        QVERIFY2(!written.contains(value), qPrintable(written.left(300)));
    QVERIFY2(!written.contains(QLatin1String("Pinchas")), qPrintable(written.left(300)));
}

void tst_Browser::addressIsOneArgument()
{
    const QString address = QStringLiteral(
        "https://www.quillory.example/brewlore/ssd.php?page=x&taf1=a%20b;c'd\"$(e)`f`");
    platform::OpenAddress(address, {});
    const QString bin = m_bin.filePath(QStringLiteral("xdg-open"));
    QTRY_VERIFY(QFile::exists(bin + QLatin1String(".done")));
    QFile argc(bin + QLatin1String(".argc")), arg(bin + QLatin1String(".arg"));
    QVERIFY(argc.open(QIODevice::ReadOnly) && arg.open(QIODevice::ReadOnly));
    QCOMPARE(argc.readAll(), QByteArray("1"));
    QCOMPARE(QString::fromUtf8(arg.readAll()), address);
}

void tst_Browser::launcherComplaintsReachNoLog()
{
    // What the launcher says about the address goes nowhere.
    const QString address = requestCarrying(QStringLiteral("Pinchas"), 2'000);
    ErrorCapture capture;
    platform::OpenAddress(address, {});
    QTRY_VERIFY(QFile::exists(m_bin.filePath(QStringLiteral("xdg-open.done"))));
    const QString written = capture.text();
    QVERIFY2(!written.contains(QLatin1String("Pinchas")), qPrintable(written.left(300)));
    QVERIFY2(!written.contains(QLatin1String("Shoshana")), qPrintable(written.left(300)));
}

void tst_Browser::missingLauncherIsAFailure()
{
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    ErrorCapture capture;
    int failures = 0;
    platform::OpenAddress(requestCarrying(QStringLiteral("Pinchas"), 200), [&] { ++failures; });
    qputenv("PATH", m_bin.path().toLocal8Bit() + ':' + m_path);
    QTRY_COMPARE(failures, 1);
    const QString written = capture.text();
    QVERIFY2(!written.contains(QLatin1String("Pinchas")), qPrintable(written));
}

void tst_Browser::launcherThatFailsIsHeardOfLater_data()
{
    QTest::addColumn<QByteArray>("status"); // the launcher's exit status
    QTest::addColumn<int>("heard");
    QTest::newRow("no browser found") << QByteArray("3") << 1;
    QTest::newRow("the action failed") << QByteArray("4") << 1;
    QTest::newRow("handed on") << QByteArray("0") << 0;
}

void tst_Browser::launcherThatFailsIsHeardOfLater()
{
    // The launcher starts; how it ends comes later.
    QFETCH(QByteArray, status);
    QFETCH(int, heard);
    qputenv("BREWLORE_FAKE_STATUS", status);
    int failures = 0;
    platform::OpenAddress(QStringLiteral("https://a.example/"), [&] { ++failures; });
    // Watched until it ends, then let go.
    QTRY_VERIFY(qApp->findChildren<QProcess *>().isEmpty());
    qunsetenv("BREWLORE_FAKE_STATUS");
    QCOMPARE(failures, heard);
}

void tst_Browser::referralSaysSoWhenTheLauncherFails()
{
    // The referral is the one launch whose failure the user is told of,
    // also when the launcher fails after it started.
    QStringList shown;
    platform::MsgBox.replace([&](const QString &text, int) {
        shown.append(text);
        return int(platform::vbOK);
    });
    modTellAFriend::ReferralUrl = requestCarrying(QStringLiteral("Pinchas"), 500);
    modTellAFriend::OpenReferralPage();
    QVERIFY(shown.isEmpty()); // not yet: the launcher has only started
    QTRY_COMPARE(shown, QStringList{modTellAFriend::LaunchFailureText()});
    platform::MsgBox.replace({});
}

void tst_Browser::referralOutlivesTheProgram()
{
    // Leaving right after a press ends at once, and the address on its way
    // still reaches the browser; how the launcher ends is no longer told.
    qputenv("BREWLORE_FAKE_DELAY", "0.5");
    int failures = 0;
    platform::OpenAddress(QStringLiteral("https://a.example/"), [&] { ++failures; });
    qunsetenv("BREWLORE_FAKE_DELAY");
    endProgram();
    QCOMPARE(handedOn(), 0); // the end did not wait for it
    QTRY_COMPARE(handedOn(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(failures, 0);
}

void tst_Browser::endAfterAFloodIsQuiet()
{
    // Launchers slower than any wait the end could afford.
    qputenv("BREWLORE_FAKE_DELAY", "1.2");
    for (int click = 0; click < 20; ++click)
        platform::OpenAddress(QStringLiteral("https://a.example/"), {});
    qunsetenv("BREWLORE_FAKE_DELAY");
    ErrorCapture capture;
    endProgram();
    QCOMPARE(capture.text(), QString());
    QTRY_COMPARE(handedOn(), 20);
}

void tst_Browser::launchesThatNeverEndHoldFewDescriptors()
{
    // A launcher that keeps the browser in the foreground, pressed again and
    // again: only the last few are watched, and only they may still report.
    const auto open = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const uint before = open();
    qputenv("BREWLORE_FAKE_DELAY", "30");
    int failures = 0;
    for (int press = 0; press < 20; ++press)
        platform::OpenAddress(QStringLiteral("https://a.example/"), [&] { ++failures; });
    qunsetenv("BREWLORE_FAKE_DELAY");
    QTRY_VERIFY2(open() <= before + 15, qPrintable(QString::number(open() - before)));
    endProgram();
    QCOMPARE(failures, 0);
}

QTEST_MAIN(tst_Browser)
#include "tst_browser.moc"
