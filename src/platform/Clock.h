#pragma once

#include <QDate>
#include <QTimeZone>


// The system clock, its time zone and the application's uniform random
// numbers. Tests pin each (platform/Testing.h).
namespace platform {

// Today's local calendar date.
QDate Today();

// The computer's time zone.
QTimeZone LocalTimeZone();

// The UTC offset, in seconds east, of the local time zone (TZ, else the
// system's) at a UT second, as the C library reckons it: it also reads TZ's
// POSIX rules ("EST5EDT,M3.2.0,M11.1.0").
int LocalUtcOffsetAt(qint64 utcSecond);

// Seeds the generator from the time of day.
void Randomize();

// The next uniform value r, 0 <= r < 1, in single precision.
float Rnd();

} // namespace platform
