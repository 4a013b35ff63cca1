#include "astro/Ephemeris.h"

#include "astro/Calendar.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace astro {

namespace {

// From that UT minute on, the sign.
struct Row {
    short year;
    unsigned char month, day, hour, minute;
    Sign sign;
};

using enum Sign;

constexpr Row Rows[] = {
#include "astro/ErosEphemeris.inc"
};

constexpr qint64 MinutesPerDay = 24 * 60;
constexpr qint64 FirstMinute = DaysFromCivil(EarliestYear, 1, 1) * MinutesPerDay;
constexpr qint64 EndMinute = DaysFromCivil(LatestYear + 1, 1, 1) * MinutesPerDay;

constexpr std::array<qint64, std::size(Rows)> Minutes = [] {
    std::array<qint64, std::size(Rows)> minutes{};
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        const Row &r = Rows[i];
        minutes[i] = DaysFromCivil(r.year, r.month, r.day) * MinutesPerDay + r.hour * 60 + r.minute;
    }
    return minutes;
}();

// The file opens on the first minute of the range, its moments are real,
// strictly increasing and inside the range, and every row changes the sign
// to a neighbouring one (Eros never jumps a sign).
constexpr bool rowsAreWellFormed()
{
    if (Minutes[0] != FirstMinute)
        return false;
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        const Row &r = Rows[i];
        if (r.day < 1 || r.day > DaysInMonth(r.year, r.month) || r.hour > 23 || r.minute > 59)
            return false;
        if (Minutes[i] >= EndMinute)
            return false;
        if (i > 0) {
            const int step = (int(r.sign) - int(Rows[i - 1].sign) + SignCount) % SignCount;
            if (Minutes[i - 1] >= Minutes[i] || (step != 1 && step != SignCount - 1))
                return false;
        }
    }
    return true;
}
static_assert(rowsAreWellFormed());

// The data must reach the end of LatestYear too: Eros never stays in one sign
// longer than this (258 days at most, 1900-2100), so a file generated for
// fewer years than Years.h names fails here instead of answering with its
// last sign.
constexpr qint64 LongestStayMinutes = 270 * MinutesPerDay;
static_assert(EndMinute - Minutes.back() < LongestStayMinutes,
              "ErosEphemeris.inc ends before LatestYear does: run `make ephemeris`");

// The row of the first crossing after that UT minute (row 0 is the start of
// the range, not a crossing), and the crossing a row begins.
std::size_t firstRowAfter(qint64 utcMinute)
{
    return static_cast<std::size_t>(std::upper_bound(std::next(Minutes.begin()), Minutes.end(), utcMinute) - Minutes.begin());
}
Crossing crossingAt(std::size_t row)
{
    return Crossing{Minutes[row], Rows[row - 1].sign, Rows[row].sign};
}
} // namespace

std::vector<Crossing> CrossingsBetween(qint64 fromUtcMinute, qint64 toUtcMinute)
{
    std::vector<Crossing> crossings;
    // Row 0 is the start of the range, not a crossing.
    auto it = std::lower_bound(std::next(Minutes.begin()), Minutes.end(), fromUtcMinute);
    for (; it != Minutes.end() && *it < toUtcMinute; ++it)
        crossings.push_back(crossingAt(static_cast<std::size_t>(it - Minutes.begin())));
    return crossings;
}

std::optional<Crossing> CrossingAtOrBefore(qint64 utcMinute)
{
    const std::size_t after = firstRowAfter(utcMinute);
    return after > 1 ? std::optional(crossingAt(after - 1)) : std::nullopt;
}

std::optional<Crossing> CrossingAfter(qint64 utcMinute)
{
    const std::size_t after = firstRowAfter(utcMinute);
    return after < Minutes.size() ? std::optional(crossingAt(after)) : std::nullopt;
}

std::optional<Sign> EphemerisSignAt(qint64 utcMinute)
{
    if (utcMinute < FirstMinute || utcMinute >= EndMinute)
        return std::nullopt;
    // The last row at or before the minute; the first row is always one.
    const auto after = std::upper_bound(Minutes.begin(), Minutes.end(), utcMinute);
    return Rows[static_cast<std::size_t>(after - Minutes.begin()) - 1].sign;
}

std::optional<Sign> EphemerisSign(int year, int month, int day)
{
    if (year < EarliestYear || year > LatestYear || !IsRealDate(year, month, day))
        return std::nullopt;
    return EphemerisSignAt(DaysFromCivil(year, month, day) * MinutesPerDay + DayHourUt * 60);
}

} // namespace astro
