#pragma once

#include "astro/Sign.h"
#include "astro/Years.h"

#include <QtGlobal>

#include <optional>
#include <vector>

namespace astro {

// The hour of UT at which a day's sign is taken.
inline constexpr int DayHourUt = 12;

// A moment Eros's apparent longitude crossed a 30° boundary, UT to the minute.
struct Crossing {
    qint64 utcMinute; // minutes since 1970-01-01T00:00Z (negative before 1970)
    Sign from;
    Sign to;
};

// Every crossing with from <= utcMinute < to (both in minutes since the epoch
// as above), in time order, from the compiled-in data (1900..2100, the
// table's years included). A crossing's minute is the first whole minute
// after the moment found: the new sign holds for all of it.
std::vector<Crossing> CrossingsBetween(qint64 fromUtcMinute, qint64 toUtcMinute);

// The last crossing at or before that UT minute, and the first after it.
std::optional<Crossing> CrossingAtOrBefore(qint64 utcMinute);
std::optional<Crossing> CrossingAfter(qint64 utcMinute);

// The sign in force at that UT minute, from the ephemeris; no match outside
// 1900-01-01T00:00Z..2100-12-31T23:59Z.
std::optional<Sign> EphemerisSignAt(qint64 utcMinute);

// Eros's sign at DayHourUt:00 UT of a real Gregorian date in EarliestYear..
// LatestYear, from the ephemeris computed by tools/ephemeris. No match for
// any other date.
std::optional<Sign> EphemerisSign(int year, int month, int day);

} // namespace astro
