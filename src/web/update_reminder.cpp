#include "update_reminder.h"

#include "site_pages.h"

#include "platform/calendar.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "settings_transform.h"

#include <QCoreApplication>
#include <QLocale>
#include <optional>

namespace modHelp {

namespace {

// After a reminder the next one comes 15 days later at the earliest.
constexpr qint64 QuietDays = 14;

const QString Section = QStringLiteral("Settings");

// ISO dates read the same whatever the user's date format is, today or later.
const QString StoredDateFormat = QStringLiteral("yyyy-MM-dd");

QString durationKey() { return settings::Encode(QStringLiteral("Duration")); }

bool storeDate(QDate date)
{
    return platform::SaveSetting(platform::AppName(), Section, durationKey(),
                                 settings::Encode(date.toString(StoredDateFormat)));
}

// Earlier versions stored the date in the user's short date format; such a
// date is still read, in the format of the user's locale.
std::optional<QDate> readDate(const QString &text)
{
    QDate date = QDate::fromString(text, StoredDateFormat);
    if (date.isValid())
        return date;

    const QLocale locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (shortFormat.contains(QLatin1String("yyyy"))) {
        date = locale.toDate(text, shortFormat);
    } else {
        // The short format of many locales has a two-digit year, while the
        // date may have been written with four.
        QString fourDigitYear = shortFormat;
        fourDigitYear.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        date = locale.toDate(text, fourDigitYear);
        if (!date.isValid()) {
            date = locale.toDate(text, shortFormat);
            // Two digits name a year from 1930 to 2029, as Windows reads them.
            if (date.isValid() && date.year() < 1930)
                date = date.addYears(100);
        }
    }
    if (date.isValid())
        return date;
    return std::nullopt;
}

// The day on which the question was asked in this process without the answer
// reaching the store. The store still holds the old date, so the second run
// at start-up would ask again; the next start will, as it should.
QDate &askedWithoutStoring()
{
    static QDate day;
    return day;
}

} // namespace

void CheckForUpdate()
{
    const platform::SettingRead read =
        platform::GetSetting(platform::AppName(), Section, durationKey());
    const QDate today = platform::Today();
    // An empty text is the first run. A store or a text that cannot be read
    // (a damaged file, a date written by hand or in a date format since given
    // up) would otherwise keep the reminder silent for ever: the count starts
    // afresh from today. The store belongs to this program and holds nothing
    // else, so nothing is lost.
    const std::optional<QString> text = read.ok ? settings::Decode(read.value) : std::nullopt;
    const std::optional<QDate> stored = text && !text->isEmpty() ? readDate(*text) : std::nullopt;
    if (!stored) {
        storeDate(today);
        return;
    }

    const qint64 days = today.daysTo(*stored); // negative when the date lies in the past
    if (days >= -QuietDays && days <= QuietDays)
        return;
    if (askedWithoutStoring() == today)
        return;

    const int answer = platform::MsgBox(
        QCoreApplication::translate("modHelp", "There maybe an update to this software available\r"
                                               "Do you want to check for an update?"),
        platform::vbYesNo | platform::vbInformation);
    if (!storeDate(today))
        askedWithoutStoring() = today;
    if (answer == platform::vbYes)
        OpenDownloadPage();
}

} // namespace modHelp
