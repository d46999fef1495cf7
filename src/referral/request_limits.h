#pragma once
// How much the refer-a-friend form takes. The request goes to the browser as
// one address, and its limit is the longest address that every system
// launches (platform/browser.h): a referral that Windows would refuse is not
// sent on Linux either, and on both the user is told what to shorten.
//
// The boxes' bounds count UTF-16 code units, as the text boxes do: a
// character outside the Basic Multilingual Plane, such as an emoji, takes
// two. Percent-encoded as UTF-8, one code unit becomes 1 to 9 characters of
// the address: ASCII letters and digits stay as they are, other ASCII takes
// 3, Greek or Turkish letters 6, U+0800 to U+FFFF 9. So names and addresses
// of ASCII letters and digits always fit at the boxes' bounds, while two
// addresses of 240 Greek letters (2 x 1,440 characters) do not.

#include "platform/browser.h"

namespace modTellAFriend {

constexpr int MaxNameLength = 64;     // the user's and the friend's name
constexpr int MaxEmailLength = 254;   // either e-mail address, RFC 5321's limit
constexpr int MaxMessageLength = 200; // characters in the message box

// The longest request address handed to the browser launch.
constexpr int MaxRequestLength = platform::MaxAddressLength;

} // namespace modTellAFriend
