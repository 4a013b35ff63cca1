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

// Seeds the generator from the time of day.
void Randomize();

// The next uniform value r, 0 <= r < 1, in single precision.
float Rnd();

} // namespace platform
