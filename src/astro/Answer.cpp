#include "astro/Answer.h"

#include "astro/Calendar.h"
#include "astro/Longitude.h"
#include "astro/modPlanetSign.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

constexpr qint64 SecondsPerDay = 24 * 60 * 60;

// The first UT second whose wall-clock time is at or after localSecond: the
// start of a local day even when its midnight was skipped.
qint64 firstAtOrAfter(const Reckoning &reckoning, qint64 localSecond)
{
    // No zone is more than a day and a half from UT.
    qint64 low = localSecond - 3 * SecondsPerDay / 2, high = localSecond + 3 * SecondsPerDay / 2;
    while (low < high) {
        const qint64 mid = low + (high - low) / 2;
        if (mid + reckoning.offsetAt(mid).seconds >= localSecond)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// The sky's sign in force at a UT second.
std::optional<Sign> skyAt(qint64 second)
{
    return EphemerisSignAt(MinuteOf(second));
}

// Whether Eros stood within the model's error of a sign's boundary.
bool nearBoundary(qint64 second)
{
    const std::optional<double> longitude = ErosLongitude(double(second) / 60.0);
    if (!longitude)
        return false;
    const double fromBoundary = std::fmod(*longitude, 30.0);
    return std::min(fromBoundary, 30.0 - fromBoundary) * 3600.0 < UncertaintyArcseconds;
}

void findChangesAround(Answer &answer, qint64 second)
{
    answer.changeBefore = CrossingAtOrBefore(MinuteOf(second));
    answer.changeAfter = CrossingAfter(MinuteOf(second));
}

// Eros's place at a moment, and over [from, to) when no time was given.
std::optional<Answer::Position> positionOf(double minute, std::optional<std::pair<double, double>> day)
{
    const std::optional<double> longitude = ErosLongitude(minute);
    const std::optional<double> rate = ErosLongitudeRate(minute);
    if (!longitude || !rate)
        return std::nullopt;
    Answer::Position p;
    p.utcMinute = minute;
    p.longitude = *longitude;
    p.retrograde = *rate < 0;
    p.sunLongitude = SunLongitude(minute);
    if (day) {
        p.dayFrom = ErosLongitude(day->first);
        p.dayTo = ErosLongitude(day->second);
        for (const double station : ErosStations(day->first, day->second))
            p.stations.push_back({station, ErosLongitudeRate(station + 1).value_or(0) < 0});
    }
    return p;
}

} // namespace

Reckoning Reckoning::Computers(const QTimeZone &zone)
{
    Reckoning r;
    if (const std::optional<places::Zone> known = places::Zone::Find(QString::fromUtf8(zone.id())))
        r.zone = known;
    else
        r.clock = [zone](qint64 utcSecond) {
            return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSecond, QTimeZone::utc()));
        };
    r.computers = true;
    return r;
}

places::Offset Reckoning::offsetAt(qint64 utcSecond) const
{
    if (zone)
        return zone->offsetAt(utcSecond);
    places::Offset offset;
    offset.seconds = clock ? clock(utcSecond) : offsetSeconds;
    return offset;
}

std::vector<qint64> Reckoning::utcFor(qint64 localSecond) const
{
    if (zone)
        return zone->utcFor(localSecond);
    if (!clock)
        return {localSecond - offsetSeconds};
    // The offsets in force a day either side (offsets change at most once
    // in two days), each kept when the moment it gives shows it itself.
    std::vector<qint64> moments;
    for (const qint64 shift : {-SecondsPerDay, SecondsPerDay}) {
        const qint64 moment = localSecond - clock(localSecond + shift);
        if (clock(moment) == localSecond - moment && std::find(moments.begin(), moments.end(), moment) == moments.end())
            moments.push_back(moment);
    }
    std::sort(moments.begin(), moments.end());
    return moments;
}

qint64 WrittenSecond(int year, int month, int day, int minuteOfDay)
{
    return DaysFromCivil(year, month, day) * SecondsPerDay + qint64(minuteOfDay) * 60;
}

Answer AnswerFor(const Birth &birth)
{
    Answer answer;
    answer.birth = birth;
    if (!IsAnsweredYear(birth.year) || !IsRealDate(birth.year, birth.month, birth.day)) {
        answer.refusal = Refusal::NotADate;
        return answer;
    }
    answer.source = IsTableYear(birth.year) ? Source::Table : Source::Ephemeris;
    const qint64 midnight = WrittenSecond(birth.year, birth.month, birth.day, 0);
    const Reckoning &reckoning = birth.reckoning;

    // The moments, or the span, the birth stands for.
    std::vector<qint64> edges;
    if (birth.minuteOfDay) {
        const std::vector<qint64> moments = reckoning.utcFor(midnight + qint64(*birth.minuteOfDay) * 60);
        if (moments.empty()) {
            answer.refusal = Refusal::SkippedTime;
            return answer;
        }
        if (moments.size() > 1)
            answer.moments = moments;
        answer.fromSecond = moments.front();
        answer.toSecond = moments.back();
        edges = moments;
        answer.crossings = CrossingsBetween(MinuteOf(answer.fromSecond) + 1, MinuteOf(answer.toSecond) + 1);
        findChangesAround(answer, answer.fromSecond);
    } else if (birth.dateOnly) {
        answer.fromSecond = answer.toSecond = midnight + DayHourUt * 3600;
        edges = {answer.fromSecond};
        // The UT day's changes and the local day's: no zone is more than a
        // day from UT.
        const qint64 localStart = firstAtOrAfter(reckoning, midnight);
        const qint64 localEnd = firstAtOrAfter(reckoning, midnight + SecondsPerDay);
        const qint64 from = std::min(midnight, localStart), to = std::max(midnight + SecondsPerDay, localEnd);
        for (const Crossing &c : CrossingsBetween(from / 60, to / 60)) {
            const qint64 at = c.utcMinute * 60;
            if ((at >= midnight && at < midnight + SecondsPerDay) || (at >= localStart && at < localEnd))
                answer.crossings.push_back(c);
        }
    } else {
        answer.fromSecond = firstAtOrAfter(reckoning, midnight);
        answer.toSecond = firstAtOrAfter(reckoning, midnight + SecondsPerDay);
        if (answer.toSecond <= answer.fromSecond) {
            answer.refusal = Refusal::SkippedDay;
            return answer;
        }
        edges = {answer.fromSecond, answer.toSecond - 1};
        // A crossing's minute is the first the new sign holds: it is in the
        // day when that minute starts inside it.
        const auto firstMinuteAtOrAfter = [](qint64 second) { return MinuteOf(second + 59); };
        answer.crossings = CrossingsBetween(firstMinuteAtOrAfter(answer.fromSecond), firstMinuteAtOrAfter(answer.toSecond));
    }
    answer.offset = reckoning.offsetAt(answer.fromSecond);

    const std::optional<Sign> sky = skyAt(answer.fromSecond);
    if (!sky || !skyAt(answer.toSecond)) {
        answer.refusal = Refusal::OutOfRange;
        return answer;
    }
    for (const qint64 edge : edges) {
        if (!nearBoundary(edge))
            continue;
        answer.uncertain = true;
        const qint64 minute = MinuteOf(edge);
        for (const Crossing &c : CrossingsBetween(minute - SecondsPerDay / 60, minute + SecondsPerDay / 60)) {
            if (!answer.uncertainChange
                || std::abs(c.utcMinute - minute) < std::abs(answer.uncertainChange->utcMinute - minute))
                answer.uncertainChange = c;
        }
    }

    // The moment the position is for, and the day it moved over.
    if (birth.minuteOfDay) {
        answer.position = positionOf(double(answer.fromSecond) / 60, std::nullopt);
    } else if (birth.dateOnly) {
        const double start = double(midnight) / 60;
        answer.position = positionOf(double(answer.fromSecond) / 60, std::pair(start, start + 24 * 60));
    } else {
        const double from = double(answer.fromSecond) / 60, to = double(answer.toSecond) / 60;
        answer.position = positionOf((from + to) / 2, std::pair(from, to));
    }

    if (answer.source == Source::Table) {
        answer.sign = LookupSign(birth.year, birth.month, birth.day);
        // The sky at the moment, else at the hour a day's sign is taken.
        const std::optional<Sign> skyNow =
            birth.minuteOfDay ? sky : skyAt(midnight + DayHourUt * 3600);
        if (skyNow != answer.sign)
            answer.skySign = skyNow;
        // A row's first day is no change: each row starts afresh.
        if (birth.month != 1 || birth.day != 1) {
            const CivilDate before = CivilFromDays(DaysFromCivil(birth.year, birth.month, birth.day) - 1);
            const std::optional<Sign> previous = TableSign(before.year, before.month, before.day);
            if (previous != answer.sign)
                answer.tableSignBefore = previous;
        }
        if (answer.tableSignBefore) {
            const qint64 dayMinute = midnight / 60;
            for (const Crossing &c : CrossingsBetween(dayMinute - 24 * 60, dayMinute + 2 * 24 * 60)) {
                if (c.from == *answer.tableSignBefore && c.to == *answer.sign)
                    answer.skyTableChange = c;
            }
        }
        return answer;
    }
    // A date alone: the date's sign, as the lookup has always given it.
    answer.sign = birth.dateOnly ? LookupSign(birth.year, birth.month, birth.day) : sky;
    if (!birth.dateOnly && !answer.crossings.empty())
        answer.laterSign = answer.crossings.front().to;
    return answer;
}

} // namespace astro
