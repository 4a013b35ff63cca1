#pragma once

#include <QDate>

#include <functional>

// The system clock and the application's uniform random numbers, both
// replaceable so tests can pin them.
namespace platform {

// Today's local calendar date.
QDate Today();
void SetTodayOverride(std::function<QDate()> today); // empty restores the clock

// Seeds the generator from the time of day.
void Randomize();

// The next uniform value r, 0 <= r < 1, in single precision.
float Rnd();
void SetRandomOverride(std::function<float()> next); // empty restores the generator

} // namespace platform
