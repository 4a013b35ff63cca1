#include "platform/Clock.h"

#include <QDateTime>
#include <QTimeZone>
#include <QTime>

#include <ctime>

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

// The local time zone's offset at a moment, in seconds east of UTC. The C
// library's answer where it gives it, at a third of Qt's cost.
int localOffset(qint64 utc)
{
#if defined(Q_OS_UNIX)
    const std::time_t t = static_cast<std::time_t>(utc);
    std::tm local{};
    if (localtime_r(&t, &local))
        return static_cast<int>(local.tm_gmtoff);
#endif
    return QDateTime::fromSecsSinceEpoch(utc).offsetFromUtc();
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

int LocalUtcOffsetAt(qint64 utcSecond)
{
    return localOffset(utcSecond);
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
