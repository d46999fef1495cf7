#pragma once
// The refer-a-friend request. The exit window stores the trimmed texts of its
// five fields here on every press of its button and makes the two address
// checks; SendReferral then checks the stored values and opens one request
// address in the browser. Nothing here knows a widget: each check gives the
// message to show, or an empty text when it passes. request_limits.h bounds
// the values so that every request fits the browser launch.

#include "request_limits.h"

#include <QString>

namespace modTellAFriend {

struct Referral
{
    QString referrerName;
    QString referrerEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The trimmed field texts of the last press, and the request last built.
extern Referral Stored;
extern QString ReferralUrl;

// The prompt each of the five boxes shows while it is empty, in the reader's
// language. The boxes show these texts and the checks below compare with the
// same ones, so a prompt left in a box is refused in every language.
enum class Prompt { ReferrerName, ReferrerEmail, Message, FriendName, FriendEmail };
QString PromptText(Prompt prompt);

// The button's checks on the two trimmed addresses: distinct, with an "@",
// with a ".".
QString AddressRefusal(const QString &email, const QString &friendEmail);

// The request's checks: no value empty or still its field's prompt.
QString ReferralRefusal(const Referral &values);

// The "qlqs-refer-a-friend" page with taf1 to taf6: the five values and the
// product page. Every value is percent-encoded as UTF-8, so that "&", "=",
// "#", line breaks and non-ASCII text reach the page exactly as typed.
QString RequestAddress(const Referral &values);

// Checks Stored; when it passes, builds ReferralUrl and opens it. A refusal
// is shown in a stop box and sends nothing.
void SendReferral();

// Opens ReferralUrl in the browser. A request longer than MaxRequestLength
// is not launched: a stop box asks the user to shorten the names or the
// addresses. When the browser cannot be opened, a stop box says so. Either
// way the form keeps everything typed.
void OpenReferralPage();

// The texts of those stop boxes.
QString TooLongText();
QString LaunchFailureText();

} // namespace modTellAFriend
