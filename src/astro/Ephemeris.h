#pragma once

#include "astro/Sign.h"

#include <optional>

namespace astro {

// The years any date can be looked up in: the table's own years and, around
// them, the computed ephemeris.
inline constexpr int EarliestYear = 1900;
inline constexpr int LatestYear = 2100;

// Eros's sign at 12:00 UT of a real Gregorian date in EarliestYear..
// LatestYear, from the ephemeris computed by tools/ephemeris. No match for
// any other date.
std::optional<Sign> EphemerisSign(int year, int month, int day);

} // namespace astro
