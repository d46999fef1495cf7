#include "tell_a_friend.h"

#include "platform/browser.h"
#include "platform/message_box.h"
#include "web/site_pages.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QUrl>

namespace modTellAFriend {

Referral Stored;
QString ReferralUrl;

namespace {

bool emptyOrPrompt(const QString &value, Prompt prompt)
{
    // The stored values are trimmed already; the fields' own prompts count as
    // empty, in the language the fields show them in.
    return value.isEmpty() || value == PromptText(prompt);
}

QString queryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// Launches pressed one after another may fail while the box is up: the one
// box speaks for them all.
void tellLaunchFailure()
{
    static bool showing = false;
    if (showing)
        return;
    const QScopedValueRollback<bool> shown(showing, true);
    platform::MsgBox(LaunchFailureText(), platform::vbCritical);
}

} // namespace

QString PromptText(Prompt prompt)
{
    static const char *const prompts[] = {
        QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
        QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
    };
    return QCoreApplication::translate("modTellAFriend", prompts[int(prompt)]);
}

QString AddressRefusal(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return QCoreApplication::translate("modTellAFriend",
                                           "Please Enter Distinct Email Addresses");
    const auto lacks = [&](QChar c) { return !email.contains(c) || !friendEmail.contains(c); };
    if (lacks(QLatin1Char('@')) || lacks(QLatin1Char('.')))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Proper Email Address");
    return QString();
}

QString ReferralRefusal(const Referral &values)
{
    if (emptyOrPrompt(values.referrerName, Prompt::ReferrerName))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Name");
    if (emptyOrPrompt(values.referrerEmail, Prompt::ReferrerEmail))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Email");
    if (emptyOrPrompt(values.message, Prompt::Message))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Message");
    if (emptyOrPrompt(values.friendName, Prompt::FriendName))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Friend's Name");
    if (emptyOrPrompt(values.friendEmail, Prompt::FriendEmail))
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Friend's Email");
    return QString();
}

QString RequestAddress(const Referral &values)
{
    return modHelp::SitePageAddress(QStringLiteral("qlqs-refer-a-friend")) +
           QStringLiteral("&taf1=") + queryValue(values.referrerName) + QStringLiteral("&taf2=") +
           queryValue(values.referrerEmail) + QStringLiteral("&taf3=") +
           queryValue(values.message) + QStringLiteral("&taf4=") + queryValue(values.friendName) +
           QStringLiteral("&taf5=") + queryValue(values.friendEmail) + QStringLiteral("&taf6=") +
           queryValue(modHelp::ProductPageAddress());
}

void SendReferral()
{
    const QString refusal = ReferralRefusal(Stored);
    if (!refusal.isEmpty()) {
        platform::MsgBox(refusal, platform::vbCritical);
        return;
    }
    ReferralUrl = RequestAddress(Stored);
    OpenReferralPage();
}

QString TooLongText()
{
    // The message box lies out of sight: only the names and the addresses
    // can be shortened.
    return QCoreApplication::translate(
        "modTellAFriend", "Your referral is too long for your web browser, so it was not sent. "
                          "Please shorten the names or the email addresses.");
}

QString LaunchFailureText()
{
    return QCoreApplication::translate(
        "modTellAFriend", "Your web browser could not be opened, so your referral was not sent. "
                          "Everything you typed is still here; please try again.");
}

void OpenReferralPage()
{
    // Refused here on every system, before a launch that Windows would
    // refuse with nothing to tell the user what to change.
    if (ReferralUrl.size() > MaxRequestLength)
        platform::MsgBox(TooLongText(), platform::vbCritical);
    else
        platform::OpenAddress(ReferralUrl, &tellLaunchFailure);
}

} // namespace modTellAFriend
