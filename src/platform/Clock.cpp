#include "platform/Clock.h"

#include <QTime>

#include <random>

namespace platform {

namespace {

std::function<QDate()> &todayOverride()
{
    static std::function<QDate()> f;
    return f;
}

std::function<float()> &randomOverride()
{
    static std::function<float()> f;
    return f;
}

std::mt19937 &generator()
{
    static std::mt19937 g;
    return g;
}

} // namespace

QDate Today()
{
    return todayOverride() ? todayOverride()() : QDate::currentDate();
}

void SetTodayOverride(std::function<QDate()> today)
{
    todayOverride() = std::move(today);
}

void Randomize()
{
    generator().seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

float Rnd()
{
    if (randomOverride())
        return randomOverride()();
    // 24 random bits fill a float's mantissa exactly, so the value never
    // rounds up to 1.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

void SetRandomOverride(std::function<float()> next)
{
    randomOverride() = std::move(next);
}

} // namespace platform
