#include "astro/Ephemeris.h"

#include "astro/Calendar.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace astro {

namespace {

struct Change {
    short year;
    unsigned char month;
    unsigned char day;
    Sign sign;
};

using enum Sign;

constexpr Change Changes[] = {
#include "astro/ErosEphemeris.inc"
};

// The file opens on the first day of the range, its dates are real and
// strictly increasing, and every row changes the sign.
constexpr bool changesAreWellFormed()
{
    const Change &first = Changes[0];
    if (first.year != EarliestYear || first.month != 1 || first.day != 1)
        return false;
    for (std::size_t i = 0; i < std::size(Changes); ++i) {
        const Change &c = Changes[i];
        if (c.year > LatestYear || c.day < 1 || c.day > DaysInMonth(c.year, c.month))
            return false;
        if (i > 0) {
            const Change &p = Changes[i - 1];
            if (std::tuple(p.year, p.month, p.day) >= std::tuple(c.year, c.month, c.day) || p.sign == c.sign)
                return false;
        }
    }
    return true;
}
static_assert(changesAreWellFormed());

} // namespace

std::optional<Sign> EphemerisSign(int year, int month, int day)
{
    if (year < EarliestYear || year > LatestYear || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    const auto date = std::tuple(year, month, day);
    // The last change on or before the date; the first row is always one.
    const Change *after = std::upper_bound(std::begin(Changes), std::end(Changes), date,
                                           [](const auto &d, const Change &c) {
                                               return d < std::tuple(int(c.year), int(c.month), int(c.day));
                                           });
    return std::prev(after)->sign;
}

} // namespace astro
