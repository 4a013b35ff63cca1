#include "platform/Clock.h"

#include <QDateTime>
#include <QTimeZone>
#include <QTime>

#include <algorithm>

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

std::vector<int> LocalUtcOffsets(QDate date, QTime time)
{
    // The wall-clock time counted as if it were UTC; each offset the zone
    // has a day either side is tried, and kept when the moment it gives
    // shows that offset itself.
    const qint64 wall = QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch();
    const auto offsetAt = [](qint64 utc) { return QDateTime::fromSecsSinceEpoch(utc).offsetFromUtc(); };
    std::vector<int> offsets;
    for (const int offset : {offsetAt(wall + 86400), offsetAt(wall), offsetAt(wall - 86400)}) {
        if (offsetAt(wall - offset) == offset && std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
            offsets.push_back(offset);
    }
    // A greater offset east is the earlier moment.
    std::sort(offsets.begin(), offsets.end(), std::greater<>());
    return offsets;
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
