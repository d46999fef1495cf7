#pragma once
// How much the refer-a-friend form takes, so that every request it can send
// stays within what the browser launch and the site take. The request goes
// to the browser as one address: on Linux as one argument of xdg-open (the
// kernel refuses one of 128 KiB or more), on Windows through ShellExecuteW
// (the browser's command line holds 32,767 characters; older shells refuse
// addresses past 2,083, which a referral in a non-Latin script can reach, and
// the launch there refuses them itself). A web server need only read request
// lines of about 8000 characters (RFC 9110). A launch that is refused all the
// same is told to the user.
//
// The bounds count UTF-16 code units, as the text boxes do: a character
// outside the Basic Multilingual Plane, such as an emoji, takes two.
// Percent-encoded as UTF-8, one code unit becomes at most 9 characters of the
// address: U+0800 to U+FFFF are 3 bytes, each written "%XX". An emoji (two
// units, 4 bytes) takes 12, a line break of the message (one character in the
// box, sent as CR LF) 6.

namespace modTellAFriend {

constexpr int MaxNameLength = 64;     // the user's and the friend's name
constexpr int MaxEmailLength = 254;   // either e-mail address, RFC 5321's limit
constexpr int MaxMessageLength = 200; // characters in the message box

// The longest request address the bounds above let the form make, and the
// longest one handed to the browser launch; a longer one is refused with the
// launch's failure message. The bounds leave room for a site base address
// several times as long as ours.
constexpr int MaxRequestLength = 8000;

} // namespace modTellAFriend
