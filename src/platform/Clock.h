#pragma once

#include <QDate>
#include <QTimeZone>

#include <vector>

// The system clock, its time zone and the application's uniform random
// numbers. Tests pin each (platform/Testing.h).
namespace platform {

// Today's local calendar date.
QDate Today();

// The computer's time zone.
QTimeZone LocalTimeZone();

// The UTC offsets, in seconds east, under which the local time zone (TZ,
// else the system's) shows that wall-clock time on that date: one as a rule,
// none in a gap (the clocks skip it), two in a fold (the clocks repeat it),
// the earlier moment's first.
std::vector<int> LocalUtcOffsets(QDate date, QTime time);

// Seeds the generator from the time of day.
void Randomize();

// The next uniform value r, 0 <= r < 1, in single precision.
float Rnd();

} // namespace platform
