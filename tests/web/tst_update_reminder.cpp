#include "platform/settings_store.h"
#include "support/private_home.h"
#include "support/seams.h"
#include "support/site.h"
#include "web/settings_transform.h"
#include "web/update_reminder.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QtTest>
#include <memory>

// The update reminder against a temporary settings store, run twice per case
// as start-up runs it: once before the main window, once in its load step.
class tst_UpdateReminder : public QObject
{
    Q_OBJECT
public:
    enum class Fault {
        None,
        MalformedStore,
        StoreIsAFolder,
        UnwritableStore,
        StoreLostDuringQuestion
    };
    Q_ENUM(Fault)

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reminder_data();
    void reminder();
    void storesUnderTheEncodedKey();

private:
    void pointStoreAt(const QString &path);
    QString configFile() const;
    QString storedRaw() const;
    QString storedDate() const;
    void store(const QString &raw);

    QLocale m_systemLocale;
    std::unique_ptr<TemporaryStore> m_store;
};

namespace {

const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
const QString DurationKey =
    QStringLiteral("Settings/") + settings::Encode(QStringLiteral("Duration"));
const QString DownloadPage = sitePage("download-web-page");
const QDate Today(2026, 3, 15);
const QString Absent; // a null text: no setting at all
// Bytes that the store refuses to parse.
const QByteArray Malformed("[Settings\nfoo\n=bar\n\x01\x02\xff[x]\n");

QString iso(QDate date) { return date.toString(Qt::ISODate); }

QString shortDate(const char *locale, QDate date)
{
    return QLocale(QString::fromLatin1(locale)).toString(date, QLocale::ShortFormat);
}

} // namespace

void tst_UpdateReminder::initTestCase() { m_systemLocale = QLocale(); }

void tst_UpdateReminder::init()
{
    m_store = std::make_unique<TemporaryStore>();
    QVERIFY(m_store->isValid());
    // The registry, where Windows keeps the store, stays put: empty it.
    const QString app = platform::AppName();
    QSettings(QSettings::UserScope, app, app).clear();
}

void tst_UpdateReminder::cleanup()
{
    QLocale::setDefault(m_systemLocale);
    QVERIFY(visibleWindows().isEmpty());
}

void tst_UpdateReminder::pointStoreAt(const QString &path)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

QString tst_UpdateReminder::configFile() const
{
    const QString app = platform::AppName();
    return QDir(m_store->path()).filePath(app + QLatin1Char('/') + app + QStringLiteral(".conf"));
}

QString tst_UpdateReminder::storedRaw() const
{
    const QString app = platform::AppName();
    return QSettings(QSettings::UserScope, app, app).value(DurationKey).toString();
}

QString tst_UpdateReminder::storedDate() const
{
    return settings::Decode(storedRaw()).value_or(QStringLiteral("(not from the transform)"));
}

void tst_UpdateReminder::store(const QString &raw)
{
    const QString app = platform::AppName();
    QSettings settings(QSettings::UserScope, app, app);
    settings.setValue(DurationKey, raw);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void tst_UpdateReminder::reminder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored"); // the date text before the start; Absent for none
    QTest::addColumn<bool>("raw");       // stored as it is, not through the transform
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QStringList>("launches");

    const int No = platform::vbNo;
    const int Yes = platform::vbYes;
    const QStringList none;
    const QStringList download{DownloadPage};
    const Fault ok = Fault::None;
    const QString C = QStringLiteral("C");
    const QString US = QStringLiteral("en_US");
    const QString GB = QStringLiteral("en_GB");
    const QString DE = QStringLiteral("de_DE");
    const auto ago = [](int days) { return Today.addDays(-days); };

    // locale, today, stored, raw, fault, answer, asks, stored after, launches
    QTest::newRow("no setting: first run")
        << C << Today << Absent << false << ok << No << false << iso(Today) << none;
    QTest::newRow("today") << C << Today << iso(Today) << false << ok << No << false << iso(Today)
                           << none;
    QTest::newRow("14 days ago") << C << Today << iso(ago(14)) << false << ok << Yes << false
                                 << iso(ago(14)) << none;
    QTest::newRow("15 days ago, No")
        << C << Today << iso(ago(15)) << false << ok << No << true << iso(Today) << none;
    QTest::newRow("15 days ago, Yes")
        << C << Today << iso(ago(15)) << false << ok << Yes << true << iso(Today) << download;
    QTest::newRow("14 days ahead")
        << C << Today << iso(ago(-14)) << false << ok << Yes << false << iso(ago(-14)) << none;
    QTest::newRow("15 days ahead, No")
        << C << Today << iso(ago(-15)) << false << ok << No << true << iso(Today) << none;
    QTest::newRow("not a date") << C << Today << QStringLiteral("soon") << false << ok << Yes
                                << false << iso(Today) << none;
    QTest::newRow("impossible date") << C << Today << QStringLiteral("2026-02-30") << false << ok
                                     << Yes << false << iso(Today) << none;
    QTest::newRow("not written through the transform")
        << C << Today << iso(ago(30)) << true << ok << Yes << false << iso(Today) << none;

    // Dates written in the user's short format by earlier versions.
    QTest::newRow("US short, 3 days ago")
        << US << Today << shortDate("en_US", ago(3)) << false << ok << Yes << false
        << shortDate("en_US", ago(3)) << none;
    QTest::newRow("US short, 20 days ago") << US << Today << shortDate("en_US", ago(20)) << false
                                           << ok << No << true << iso(Today) << none;
    QTest::newRow("US short with four-digit year, 20 days ago")
        << US << Today << QStringLiteral("2/23/2026") << false << ok << No << true << iso(Today)
        << none;
    QTest::newRow("British short: day before month, 10 days ago")
        << GB << Today << QStringLiteral("05/03/2026") << false << ok << Yes << false
        << QStringLiteral("05/03/2026") << none;
    QTest::newRow("German short, 20 days ago") << DE << Today << shortDate("de_DE", ago(20))
                                               << false << ok << No << true << iso(Today) << none;
    QTest::newRow("German short under a US locale: not a date")
        << US << Today << shortDate("de_DE", ago(20)) << false << ok << Yes << false << iso(Today)
        << none;
    QTest::newRow("ISO under a German locale, 20 days ago")
        << DE << Today << iso(ago(20)) << false << ok << No << true << iso(Today) << none;

    // A store that fails. Each case that asks has a day of its own, because
    // the process remembers a question it could not record.
    QTest::newRow("malformed store: replaced")
        << C << Today << Absent << false << Fault::MalformedStore << Yes << false << iso(Today)
        << none;
    QTest::newRow("store neither readable nor writable")
        << C << Today << Absent << false << Fault::StoreIsAFolder << Yes << false << Absent << none;
    QTest::newRow("unwritable store") << C << Today << Absent << false << Fault::UnwritableStore
                                      << Yes << false << Absent << none;
    const QDate lostNo(2031, 7, 7);
    QTest::newRow("store lost during the question, No")
        << C << lostNo << iso(lostNo.addDays(-20)) << false << Fault::StoreLostDuringQuestion << No
        << true << iso(lostNo.addDays(-20)) << none;
    const QDate lostYes(2031, 8, 8);
    QTest::newRow("store lost during the question, Yes")
        << C << lostYes << iso(lostYes.addDays(-20)) << false << Fault::StoreLostDuringQuestion
        << Yes << true << iso(lostYes.addDays(-20)) << download;
}

void tst_UpdateReminder::reminder()
{
    QFETCH(QString, locale);
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, raw);
    QFETCH(Fault, fault);
    QFETCH(int, answer);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);
    QFETCH(QStringList, launches);
#ifdef Q_OS_WIN
    if (fault != Fault::None)
        QSKIP("The store is the registry there: no file to spoil, no folder to take away.");
#endif

    QLocale::setDefault(QLocale(locale));
    Seams seams;
    seams.fixToday(today);
    seams.answer = answer;
    if (!stored.isNull())
        store(raw ? stored : settings::Encode(stored));
    if (fault == Fault::MalformedStore) {
        QVERIFY(QDir().mkpath(QFileInfo(configFile()).path()));
        QFile file(configFile());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Malformed) == Malformed.size());
    }
    if (fault == Fault::StoreIsAFolder)
        QVERIFY(QDir().mkpath(configFile()));
    if (fault == Fault::UnwritableStore)
        pointStoreAt(QStringLiteral("/dev/null/store"));
    if (fault == Fault::StoreLostDuringQuestion) {
        platform::MsgBox.replace([&seams, this](const QString &text, int flags) {
            seams.messages.append({text, flags});
            pointStoreAt(QStringLiteral("/dev/null/store"));
            return seams.answer;
        });
    }
    // What the store held when a page was requested: the write comes first.
    QStringList storedAtLaunch;
    platform::OpenAddress.replace([&](const QString &address, const platform::LaunchFailed &) {
        seams.launches.append(address);
        storedAtLaunch.append(storedDate());
    });

    modHelp::CheckForUpdate();
    if (fault == Fault::StoreLostDuringQuestion)
        pointStoreAt(m_store->path()); // back for the second run, still holding the old date
    modHelp::CheckForUpdate();

    QCOMPARE(seams.messages.size(), asks ? 1 : 0);
    if (asks) {
        QCOMPARE(seams.messages[0].text, Question);
        QCOMPARE(seams.messages[0].flags, platform::vbYesNo | platform::vbInformation);
    }
    QCOMPARE(seams.launches, launches);
    pointStoreAt(m_store->path());
    if (fault == Fault::StoreIsAFolder)
        QVERIFY(QFileInfo(configFile()).isDir());
    if (!storedAfter.isNull())
        QCOMPARE(storedDate(), storedAfter);
    if (fault == Fault::None && !launches.isEmpty())
        QCOMPARE(storedAtLaunch, QStringList(launches.size(), storedAfter));
}

void tst_UpdateReminder::storesUnderTheEncodedKey()
{
    // Users' stored dates must survive updates of the program: the encoded
    // key and value are fixed.
    Seams seams;
    seams.fixToday(QDate(2026, 12, 8));
    modHelp::CheckForUpdate();

    const QString app = platform::AppName();
    QSettings settings(QSettings::UserScope, app, app);
    QCOMPARE(settings.allKeys(),
             QStringList{QStringLiteral("Settings/004400750072006100740069006F006E")});
    QCOMPARE(settings.value(settings.allKeys().value(0)).toString(),
             QStringLiteral("0032003000320036002D00310032002D00300038"));
    QVERIFY(seams.messages.isEmpty());
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_update_reminder.moc"
