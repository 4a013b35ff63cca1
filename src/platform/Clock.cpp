#include "platform/Clock.h"

#include <QTime>

#include <functional>
#include <random>

namespace platform {

// The slots platform/Testing.h fills; empty in the product.
namespace detail {

std::function<QDate()> &TodaySlot()
{
    static std::function<QDate()> f;
    return f;
}

std::function<QTimeZone()> &TimeZoneSlot()
{
    static std::function<QTimeZone()> f;
    return f;
}

std::function<float()> &RandomSlot()
{
    static std::function<float()> f;
    return f;
}

} // namespace detail

namespace {

std::mt19937 &generator()
{
    static std::mt19937 g;
    return g;
}

} // namespace

QDate Today()
{
    return detail::TodaySlot() ? detail::TodaySlot()() : QDate::currentDate();
}

QTimeZone LocalTimeZone()
{
    return detail::TimeZoneSlot() ? detail::TimeZoneSlot()() : QTimeZone::systemTimeZone();
}

void Randomize()
{
    generator().seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

float Rnd()
{
    if (detail::RandomSlot())
        return detail::RandomSlot()();
    // 24 random bits fill a float's mantissa exactly, so the value never
    // rounds up to 1.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

} // namespace platform
