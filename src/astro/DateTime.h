#pragma once

#include <QStringView>

#include <optional>

// The one strict reader of dates and times: the command line's arguments and
// the lookup from list texts go through it (the window passes numbers).
namespace astro {

// A date as written, with the time of day and its UTC offset when given.
struct DateTime {
    int year = 0, month = 0, day = 0;
    std::optional<int> minuteOfDay; // 0..1439, when a time is given
    std::optional<int> offsetMinutes; // east of UTC: Z is 0; none when the time is local
};

// YYYY-MM-DD, optionally followed by THH:MM and then optionally by Z or by
// an offset +HH:MM or -HH:MM (at most 18:00), exactly so: two-digit fields,
// no spaces, a real Gregorian date, hours 00..23 and minutes 00..59. Any
// year of four digits; the caller decides which it answers for.
std::optional<DateTime> ParseDateTime(QStringView text);


} // namespace astro
