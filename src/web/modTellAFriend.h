#pragma once

#include <QString>

// The refer-a-friend request: the exit window's five fields go to the maker's
// referral script as a web address opened in the browser.
namespace modTellAFriend {

// What the exit window's form held at the last submission, trimmed of
// leading and trailing spaces.
struct ReferralFields {
    QString ReferrerName;
    QString ReferrerEmail;
    QString ReferralMessage;
    QString FriendName;
    QString FriendEmail;
};

// The application-wide fields, written by the exit window before it calls
// SendReferral.
ReferralFields &Fields();

// What each box of the exit window shows while the user has typed nothing
// there, in the user's language. A field still holding its placeholder
// counts as missing.
ReferralFields Placeholders();

// The complete address of the last request sent; empty until one is.
const QString &ReferralUrl();

// The longest address a referral may have. The browser gets the address as
// one program argument: Linux refuses one of 128 KiB or more, and a Windows
// command line holds 32767 characters; some room is left for what the
// opener puts around it.
#ifdef Q_OS_WIN
constexpr qsizetype MaxReferralUrlLength = 30 * 1024;
#else
constexpr qsizetype MaxReferralUrlLength = 120 * 1024;
#endif

// The address for the given fields: the script's path, the five values
// percent-encoded as UTF-8 under taf1..taf5, and the product page as taf6.
QString BuildReferralUrl(const ReferralFields &fields);

// Checks the fields in order (empty or still the placeholder: a stop message
// and nothing sent), then builds the address, keeps it in ReferralUrl() and
// opens it. An address longer than MaxReferralUrlLength is not opened
// either: a stop message asks for a shorter text, and the form keeps it.
void SendReferral();

// Opens ReferralUrl() in the browser.
void OpenReferralPage();

// The text without its leading and trailing spaces. Only the space character
// counts: tabs and line breaks are part of what the user typed.
QString TrimSpaces(const QString &text);

} // namespace modTellAFriend
