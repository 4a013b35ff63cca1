#include "web/modTellAFriend.h"

namespace modTellAFriend {

ReferralFields &Fields()
{
    static ReferralFields fields;
    return fields;
}

const QString &ReferralUrl()
{
    static QString url;
    return url;
}

QString BuildReferralUrl(const ReferralFields &)
{
    return {};
}

void SendReferral() {}

void OpenReferralPage() {}

} // namespace modTellAFriend
