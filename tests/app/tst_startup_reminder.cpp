#include "app/forms_registry.h"
#include "app/startup.h"
#include "platform/settings_store.h"
#include "support/private_home.h"
#include "support/seams.h"
#include "support/site.h"
#include "web/cobrand.h"
#include "web/settings_transform.h"

#include <QSettings>
#include <QtTest>
#include <memory>

// The order of a start: the update question before the main window, at most
// once although the reminder runs twice, and the co-brand draw once, last.
class tst_StartupReminder : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dueReminderComesFirstAndOnce_data();
    void dueReminderComesFirstAndOnce();
    void rotationRunsOnceLast_data();
    void rotationRunsOnceLast();

private:
    std::unique_ptr<TemporaryStore> m_store;
};

namespace {

const QDate Today(2026, 5, 20);
const QString DownloadPage = sitePage("download-web-page");

const QString DurationKey =
    QStringLiteral("Settings/") + settings::Encode(QStringLiteral("Duration"));

void storeDate(QDate date)
{
    QSettings settings(QSettings::UserScope, platform::AppName(), platform::AppName());
    settings.setValue(DurationKey, settings::Encode(date.toString(Qt::ISODate)));
}

QString storedDate()
{
    QSettings settings(QSettings::UserScope, platform::AppName(), platform::AppName());
    return settings::Decode(settings.value(DurationKey).toString()).value_or(QString());
}

QString frontPromotion(QWidget *window)
{
    auto *cobrand = window->findChild<QWidget *>(QStringLiteral("lblCobrand"));
    return cobrand->parentWidget()->childAt(cobrand->geometry().center())->objectName();
}

} // namespace

void tst_StartupReminder::init()
{
    m_store = std::make_unique<TemporaryStore>();
    QVERIFY(m_store->isValid());
}

void tst_StartupReminder::cleanup()
{
    flushDeletes();
    QVERIFY(visibleWindows().isEmpty());
}

void tst_StartupReminder::dueReminderComesFirstAndOnce_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("launches");

    QTest::newRow("No") << int(platform::vbNo) << QStringList();
    QTest::newRow("Yes") << int(platform::vbYes) << QStringList{DownloadPage};
}

void tst_StartupReminder::dueReminderComesFirstAndOnce()
{
    QFETCH(int, answer);
    QFETCH(QStringList, launches);

    Seams seams;
    seams.fixToday(Today);
    storeDate(Today.addDays(-20));
    QList<QStringList> windowsAtQuestion;
    QList<QStringList> windowsAtLaunch;
    platform::MsgBox.replace([&](const QString &text, int flags) {
        seams.messages.append({text, flags});
        windowsAtQuestion.append(visibleWindows());
        return answer;
    });
    platform::OpenAddress.replace([&](const QString &address, const platform::LaunchFailed &) {
        seams.launches.append(address);
        windowsAtLaunch.append(visibleWindows());
    });

    {
        FormsRegistry forms;
        StartUp(forms);
        QCOMPARE(seams.messages.size(), 1);
        QCOMPARE(windowsAtQuestion, QList<QStringList>{QStringList()});
        QCOMPARE(seams.launches, launches);
        QCOMPARE(windowsAtLaunch, QList<QStringList>(launches.size(), QStringList()));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(storedDate(), Today.toString(Qt::ISODate));
    }

    // The next start on the same day asks nothing.
    flushDeletes();
    FormsRegistry forms;
    StartUp(forms);
    QCOMPARE(seams.messages.size(), 1);
    QCOMPARE(seams.launches, launches);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    forms.Main()->hide();
}

void tst_StartupReminder::rotationRunsOnceLast_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("front");

    QTest::newRow("0.25 draws 2: full brand") << 0.25f << 2 << "lblFullBrand";
    QTest::newRow("0.95 draws 7: co-brand stays") << 0.95f << 7 << "lblCobrand";
}

void tst_StartupReminder::rotationRunsOnceLast()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QFETCH(QString, front);

    Seams seams;
    seams.fixToday(Today);
    seams.answer = platform::vbNo;
    storeDate(Today.addDays(-30)); // a reminder is due
    int draws = 0;
    QList<int> drawsAtQuestion;
    QList<QStringList> windowsAtDraw;
    platform::MsgBox.replace([&](const QString &text, int flags) {
        seams.messages.append({text, flags});
        drawsAtQuestion.append(draws);
        return seams.answer;
    });
    platform::Rnd.replace([&] {
        ++draws;
        windowsAtDraw.append(visibleWindows());
        return r;
    });

    FormsRegistry forms;
    StartUp(forms);
    QCOMPARE(drawsAtQuestion, QList<int>{0});
    QCOMPARE(draws, 1);
    QCOMPARE(windowsAtDraw, QList<QStringList>{QStringList{QStringLiteral("frmMain")}});
    QCOMPARE(int(cobrand::intCoBrandRandomNumber), number);
    QCOMPARE(frontPromotion(forms.Main()), front);
    forms.Main()->hide();
}

QTEST_MAIN(tst_StartupReminder)
#include "tst_startup_reminder.moc"
