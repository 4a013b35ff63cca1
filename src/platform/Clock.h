#pragma once

#include <QDate>

// The system clock and the application's uniform random numbers. Tests pin
// both (platform/Testing.h).
namespace platform {

// Today's local calendar date.
QDate Today();

// Seeds the generator from the time of day.
void Randomize();

// The next uniform value r, 0 <= r < 1, in single precision.
float Rnd();

} // namespace platform
