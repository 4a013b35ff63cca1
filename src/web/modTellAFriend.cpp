#include "web/modTellAFriend.h"

#include "platform/MessageBox.h"
#include "web/modHelp.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {

namespace {

QString &lastUrl()
{
    static QString url;
    return url;
}

// Each value is escaped as UTF-8, so an "&" or "=" in a name cannot split the
// query and letters outside ASCII arrive intact.
QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// A field counts as missing when it is empty or still shows its placeholder.
bool missing(const QString &value, const QString &placeholder)
{
    return value.isEmpty() || value == placeholder;
}

const char *const TooLongMessage =
    QT_TRANSLATE_NOOP("modTellAFriend", "Your referral is too long to be sent. Please shorten your message.");

QString translated(const char *text)
{
    return QCoreApplication::translate("modTellAFriend", text);
}

} // namespace

ReferralFields &Fields()
{
    static ReferralFields fields;
    return fields;
}

ReferralFields Placeholders()
{
    return {translated(QT_TRANSLATE_NOOP("modTellAFriend", "Your Name")),
            translated(QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address")),
            translated(QT_TRANSLATE_NOOP("modTellAFriend", "Your Message")),
            translated(QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name")),
            translated(QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"))};
}

const QString &ReferralUrl()
{
    return lastUrl();
}

QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString BuildReferralUrl(const ReferralFields &fields)
{
    const QString site = modHelp::WebSite();
    // The product page goes in as it is: the script expects it unescaped.
    return site + QStringLiteral("/cvcs-refer-a-friend.php?taf1=") + encoded(fields.ReferrerName)
        + QStringLiteral("&taf2=") + encoded(fields.ReferrerEmail) + QStringLiteral("&taf3=")
        + encoded(fields.ReferralMessage) + QStringLiteral("&taf4=") + encoded(fields.FriendName)
        + QStringLiteral("&taf5=") + encoded(fields.FriendEmail) + QStringLiteral("&taf6=") + site
        + QStringLiteral("/starkindle/");
}

void SendReferral()
{
    const ReferralFields &f = Fields();
    const ReferralFields p = Placeholders();
    const struct {
        const QString &value;
        const QString &placeholder;
        const char *message;
    } checks[] = {
        {f.ReferrerName, p.ReferrerName, QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
        {f.ReferrerEmail, p.ReferrerEmail, QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
        {f.ReferralMessage, p.ReferralMessage, QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
        {f.FriendName, p.FriendName, QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
        {f.FriendEmail, p.FriendEmail, QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
    };
    for (const auto &check : checks) {
        if (missing(check.value, check.placeholder)) {
            platform::ShowMessage(translated(check.message), platform::MessageIcon::Stop);
            return;
        }
    }
    QString url = BuildReferralUrl(f);
    if (url.size() > MaxReferralUrlLength) {
        // The opener would fail to start and the text would be gone unseen.
        platform::ShowMessage(translated(TooLongMessage), platform::MessageIcon::Stop);
        return;
    }
    lastUrl() = std::move(url);
    OpenReferralPage();
}

void OpenReferralPage()
{
    modHelp::OpenWebPage(ReferralUrl());
}

} // namespace modTellAFriend
