#pragma once

#include "astro/Sign.h"

#include <optional>

namespace astro {

// The years any date can be looked up in: the table's own years and, around
// them, the computed ephemeris.
inline constexpr int EarliestYear = 1900;
inline constexpr int LatestYear = 2100;

// Gregorian: every fourth year, but not centuries unless divisible by 400.
constexpr bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Eros's sign at 12:00 UT of a real Gregorian date in EarliestYear..
// LatestYear, from the ephemeris computed by tools/ephemeris. No match for
// any other date.
std::optional<Sign> EphemerisSign(int year, int month, int day);

} // namespace astro
