#include "astro/Sign.h"

namespace astro {

namespace {
constexpr std::array<QStringView, SignCount> Names = {
    u"Aries", u"Taurus",  u"Gemini",      u"Cancer",    u"Leo",      u"Virgo",
    u"Libra", u"Scorpio", u"Sagittarius", u"Capricorn", u"Aquarius", u"Pisces",
};
} // namespace

QString SignName(Sign sign)
{
    return Names[static_cast<std::size_t>(sign)].toString();
}

std::optional<Sign> SignFromName(QStringView name)
{
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (name == Names[i])
            return static_cast<Sign>(i);
    }
    return std::nullopt;
}

} // namespace astro
