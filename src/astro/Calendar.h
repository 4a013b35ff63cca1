#pragma once

#include <QStringView>

#include <array>

namespace astro {

// The month names, in calendar order: the month list shows them and the sign
// lookup reads them back, so they are English and never translated.
inline constexpr std::array<QStringView, 12> MonthNames = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};

} // namespace astro
