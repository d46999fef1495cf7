#include "platform/font_warmup.h"
#include "platform/geometry.h"
#include "platform/instance_guard.h"
#include "platform/message_box.h"
#include "platform/pause.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "support/private_home.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

class tst_Platform : public QObject
{
    Q_OBJECT
private slots:
    // First, while Qt has measured no text yet.
    void fontWarmUpLeavesQtItsFonts_data();
    void fontWarmUpLeavesQtItsFonts();

    void twips_data();
    void twips();
    void colours_data();
    void colours();

    void generatorStaysBelowOne();
    void clockSeedsDiffer();

    void realMessageBox_data();
    void realMessageBox();
    void boxBreaksLinesAndKeepsAboveItsWindow();

    void settingsRoundTrip();
    void storeWhereTheDesktopRulesPutIt_data();
    void storeWhereTheDesktopRulesPutIt();
    void failedWriteIsReported();

    void realPauseRunsTheEventLoop();
    void guardSitsBesideTheSettings();
    void guardThatCannotBeMadeLetsEveryCopyStart();
};

void tst_Platform::fontWarmUpLeavesQtItsFonts_data()
{
    // Ended by the destructor alone, or waited for, once or again.
    QTest::addColumn<int>("waits");
    QTest::newRow("never waited for") << 0;
    QTest::newRow("waited for") << 1;
    QTest::newRow("waited for twice") << 2;
}

void tst_Platform::fontWarmUpLeavesQtItsFonts()
{
    QFETCH(int, waits);
    {
        platform::FontWarmUp warmUp;
        for (int i = 0; i < waits; ++i)
            warmUp.Wait();
    }
    // The set-up installs DejaVu Sans, which Qt must still find by name.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const QFontInfo found(font);
    QCOMPARE(found.family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(found.bold());
}

void tst_Platform::twips_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("half rounds up") << 2243 << 150;
    QTest::newRow("just below half") << 1597 << 106;
    QTest::newRow("main window width") << 6540 << 436;
    QTest::newRow("exit window height") << 4725 << 315;
}

void tst_Platform::twips()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(platform::tw(twips), pixels);
}

void tst_Platform::colours_data()
{
    QTest::addColumn<uint>("bgr");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("blue byte is the third") << 0x00C00000u << QColor(0, 0, 192);
    QTest::newRow("navy") << 0x00800000u << QColor(0, 0, 128);
    QTest::newRow("yellow") << 0x0000FFFFu << QColor(255, 255, 0);
    QTest::newRow("red byte is the first") << 0x000000FFu << QColor(255, 0, 0);
    QTest::newRow("white") << 0x00FFFFFFu << QColor(255, 255, 255);
}

void tst_Platform::colours()
{
    QFETCH(uint, bgr);
    QFETCH(QColor, colour);
    QCOMPARE(platform::vbColor(bgr), colour);
}

void tst_Platform::generatorStaysBelowOne()
{
    platform::RandomizeWith(1);
    float largest = 0;
    for (int i = 0; i < 2'000'000; ++i) {
        const float r = platform::Rnd();
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(double(r), 'g', 10)));
        largest = std::max(largest, r);
    }
    // Close to the top of the range, so the bound above is not met by luck.
    QVERIFY(largest > 0.9999f);
}

void tst_Platform::clockSeedsDiffer()
{
    platform::Randomize();
    const float first[] = {platform::Rnd(), platform::Rnd(), platform::Rnd()};
    QTest::qSleep(2);
    platform::Randomize();
    const float second[] = {platform::Rnd(), platform::Rnd(), platform::Rnd()};
    QVERIFY(!std::equal(std::begin(first), std::end(first), std::begin(second)));
}

void tst_Platform::realMessageBox_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("stop, OK") << 16 << int(QMessageBox::Critical) << QStringList{"OK"} << "OK"
                              << int(platform::vbOK);
    QTest::newRow("information, OK")
        << 64 << int(QMessageBox::Information) << QStringList{"OK"} << "OK" << int(platform::vbOK);
    QTest::newRow("question, Yes") << 68 << int(QMessageBox::Information)
                                   << QStringList{"No", "Yes"} << "Yes" << int(platform::vbYes);
    QTest::newRow("question, No") << 68 << int(QMessageBox::Information) << QStringList{"No", "Yes"}
                                  << "No" << int(platform::vbNo);
    QTest::newRow("question, Enter takes the default")
        << 68 << int(QMessageBox::Information) << QStringList{"No", "Yes"} << "Enter"
        << int(platform::vbYes);
}

void tst_Platform::realMessageBox()
{
    QFETCH(int, flags);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, press);
    QFETCH(int, answer);

    QString title, text;
    int shownIcon = -1;
    QStringList shownButtons;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        shownIcon = int(box->icon());
        for (QAbstractButton *b : box->buttons())
            shownButtons.append(b->text().remove(QLatin1Char('&')));
        shownButtons.sort();
        if (press == QLatin1String("Enter")) {
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        for (QAbstractButton *b : box->buttons())
            if (b->text().remove(QLatin1Char('&')) == press)
                b->click();
    });
    const int result = platform::MsgBox(QStringLiteral("Something to say"), flags);
    QCOMPARE(title, QStringLiteral("Brewlore"));
    QCOMPARE(text, QStringLiteral("Something to say"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownButtons, buttons);
    QCOMPARE(result, answer);
}

void tst_Platform::boxBreaksLinesAndKeepsAboveItsWindow()
{
    QWidget onTop;
    onTop.setWindowFlag(Qt::WindowStaysOnTopHint);
    onTop.show();
    onTop.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&onTop));
    QString text;
    QWidget *owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        owner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    platform::MsgBox(QStringLiteral("one\rtwo\r\nthree"), platform::vbInformation);
    QCOMPARE(text, QStringLiteral("one\ntwo\r\nthree"));
    QCOMPARE(owner, &onTop);
}

void tst_Platform::settingsRoundTrip()
{
    TemporaryStore store;
    QVERIFY(store.isValid());
    QCOMPARE(platform::GetSetting("brewtest", "Settings", "Key", "fallback").value,
             QStringLiteral("fallback"));
    QVERIFY(platform::SaveSetting("brewtest", "Settings", "Key", QStringLiteral("Grüße, 日本")));
    const platform::SettingRead read = platform::GetSetting("brewtest", "Settings", "Key");
    QVERIFY(read.ok);
    QCOMPARE(read.value, QStringLiteral("Grüße, 日本"));
}

void tst_Platform::storeWhereTheDesktopRulesPutIt_data()
{
    QTest::addColumn<QByteArray>("configHome"); // XDG_CONFIG_HOME, unset when null
    QTest::addColumn<bool>("homeSet");
    QTest::newRow("relative XDG_CONFIG_HOME") << QByteArray("relcfg") << true;
    QTest::newRow("empty XDG_CONFIG_HOME") << QByteArray("") << true;
    QTest::newRow("no HOME") << QByteArray() << false;
}

void tst_Platform::storeWhereTheDesktopRulesPutIt()
{
#ifdef Q_OS_WIN
    QSKIP("The store is the registry there.");
#else
    QFETCH(QByteArray, configHome);
    QFETCH(bool, homeSet);
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    QString expected = QFile::decodeName(home) + "/.config";
    if (!homeSet) {
        const passwd *entry = getpwuid(getuid());
        QVERIFY(entry);
        expected = QFile::decodeName(entry->pw_dir) + "/.config";
        qunsetenv("HOME");
    }
    configHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", configHome);
    platform::SettleStoreFolder();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    const QString file =
        QSettings(QSettings::UserScope, platform::AppName(), platform::AppName()).fileName();
    TemporaryStore away; // the other tests' own again
    QCOMPARE(QFileInfo(file).path(), QDir(expected).filePath(platform::AppName()));
#endif
}

void tst_Platform::failedWriteIsReported()
{
#ifdef Q_OS_WIN
    QSKIP("The store is the registry there, which no folder can make unwritable.");
#endif
    // Below a regular file no folder can be made, whoever runs the test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/dev/null/brewlore"));
    QVERIFY(!platform::SaveSetting("brewtest", "Settings", "Key", QStringLiteral("value")));
}

void tst_Platform::realPauseRunsTheEventLoop()
{
    // The one wait on real time: the program's own pause lasts its second,
    // give or take a loaded machine, and handles events while it lasts.
    bool handled = false;
    QTimer::singleShot(100, [&handled] { handled = true; });
    QElapsedTimer wall;
    wall.start();
    platform::PauseSchedule schedule;
    schedule.Pause(1);
    const qint64 took = wall.elapsed();
    QVERIFY(handled);
    QVERIFY2(took >= 1000 && took < 3000, qPrintable(QString::number(took)));
}

void tst_Platform::guardSitsBesideTheSettings()
{
#ifdef Q_OS_WIN
    QSKIP("The guard is a mutex named after the user and the store; no folder takes part.");
#endif
    // Copies that share one settings file but not their runtime folder (one
    // from the desktop, one from cron or ssh) must meet the same lock.
    TemporaryStore config;
    QTemporaryDir runtimeA, runtimeB;
    const QString settingsFolder =
        QFileInfo(
            QSettings(QSettings::UserScope, platform::AppName(), platform::AppName()).fileName())
            .path();
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtimeA.path().toLocal8Bit());
    const QString fromA = platform::InstanceGuardName();
    qputenv("XDG_RUNTIME_DIR", runtimeB.path().toLocal8Bit());
    const QString fromB = platform::InstanceGuardName();
    qunsetenv("XDG_RUNTIME_DIR");
    const QString fromNone = platform::InstanceGuardName();
    qputenv("XDG_RUNTIME_DIR", runtime);

    QCOMPARE(fromA, QDir(settingsFolder).filePath(platform::AppName() + ".lock"));
    QCOMPARE(fromB, fromA);
    QCOMPARE(fromNone, fromA);
}

void tst_Platform::guardThatCannotBeMadeLetsEveryCopyStart()
{
#ifdef Q_OS_WIN
    QSKIP("A named mutex needs no folder: nothing can stop it being made.");
#else
    // Below a regular file no lock can be made, whoever runs the test.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/dev/null/brewlore"));
    QVERIFY(!platform::PrevInstance());
    // The failure claims nothing: where a lock can be made, it is taken now,
    // and another opening of the file meets it.
    TemporaryStore config;
    QVERIFY(!platform::PrevInstance());
    const int other =
        ::open(QFile::encodeName(platform::InstanceGuardName()).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(other >= 0);
    const bool met = ::flock(other, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(other);
    QVERIFY(met);
#endif
}

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
