#pragma once

#include "astro/Calendar.h"
#include "astro/Ephemeris.h"
#include "astro/Sign.h"
#include "places/Zones.h"

#include <QString>
#include <QTimeZone>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

// The one answer for a birth: the window, its notes, the copied text, the
// screen reader's summary and the command line all read it, and none works
// out a sign again.
namespace astro {

// How a birth's wall-clock time is turned into UT.
struct Reckoning {
    // An IANA zone with its history; else a clock that gives the offset at a
    // UT second (a zone tzdata lacks, a TZ rule); else the fixed offset.
    std::optional<places::Zone> zone;
    std::function<int(qint64)> clock;
    int offsetSeconds = 0; // east of UT; 0 with neither is UT itself
    // The birthplace that chose the zone ("London, GB"); empty otherwise.
    QString place;
    // The computer's own zone, standing in for a birthplace not given.
    bool computers = false;

    static Reckoning FixedOffset(int seconds) { return {std::nullopt, {}, seconds, {}, false}; }
    static Reckoning InZone(places::Zone zone, QString place = {}) { return {zone, {}, 0, std::move(place), false}; }
    // The computer's zone: its history from the compiled-in data when
    // tzdata knows it, so every system answers alike; else the system's own
    // offsets.
    static Reckoning Computers(const QTimeZone &zone);

    // The offset in force at a UT second.
    places::Offset offsetAt(qint64 utcSecond) const;
    // The UT seconds that showed that wall-clock time (seconds since
    // 1970-01-01T00:00 as written): none skipped, two repeated.
    std::vector<qint64> utcFor(qint64 localSecond) const;
};

// A birth as the user gives it: the date, and as much of the time and place
// as is known.
struct Birth {
    int year = 0, month = 0, day = 0;
    std::optional<int> minuteOfDay; // local time of birth, 0..1439
    // The clock the time and day are read by.
    Reckoning reckoning;
    // Only the date was given: the day's sign is the one at DayHourUt UT, as
    // it has always been, and the notes name the changes of that UT day and
    // of the day in reckoning (the computer's zone).
    bool dateOnly = false;
};

enum class Source { Table, Ephemeris };

// Why a birth has no answer.
enum class Refusal {
    None,
    NotADate, // outside the years answered for, or a day the month lacks
    SkippedTime, // the clocks skipped that local time there
    SkippedDay, // the zone skipped the whole local day
    OutOfRange, // the moment falls outside the computed sky's years
};

// The model's error in Eros's longitude: a change of sign closer than this
// to the moment answered for could lie on either side of it.
inline constexpr double UncertaintyArcseconds = 5.0;

struct Answer {
    Birth birth;
    Refusal refusal = Refusal::None;
    Source source = Source::Ephemeris;

    // The sign the program answers with; a second one when the span answered
    // for holds a change of sign the birth time would decide (the earlier
    // sign first).
    std::optional<Sign> sign;
    std::optional<Sign> laterSign;

    // The UT span answered for, in seconds since 1970-01-01T00:00Z:
    // a moment (from == to), two moments of a repeated local time, or a
    // local day [from, to).
    qint64 fromSecond = 0;
    qint64 toSecond = 0;
    // A local time the clocks showed twice: both moments (the sign may still
    // be one).
    std::vector<qint64> moments;

    // The sky's changes of sign that bear on the answer: those in the span,
    // or for a date alone those of its UT day and its local day.
    std::vector<Crossing> crossings;
    // For a moment: the sky's last change of sign before it and its next.
    std::optional<Crossing> changeBefore;
    std::optional<Crossing> changeAfter;

    // In the table's years: the sign the computed sky gives where it differs
    // from the table's (at the moment, else at DayHourUt UT), and the
    // table's change of sign on this day, if it has one.
    std::optional<Sign> skySign;
    std::optional<Sign> tableSignBefore; // the sign the table's change leaves
    // The sky's own moment for the table's change, when it has one within a
    // day of the date.
    std::optional<Crossing> skyTableChange;

    // A change of sign lies within the model's error of the moment answered
    // for: the sign could be either.
    bool uncertain = false;
    // The change of sign that lies so close.
    std::optional<Crossing> uncertainChange;

    // The offset in force at the moment (or at the span's start).
    places::Offset offset;

    // Where the sky had Eros: its apparent longitude (degrees, ecliptic and
    // equinox of date) at the moment answered for (12:00 UT for a date
    // alone, the middle of a local day), and how it moved over the UT or
    // local day when no time was given: from, to, and the stations between.
    struct Position {
        double utcMinute = 0;
        double longitude = 0;
        bool retrograde = false;
        std::optional<double> sunLongitude;
        // Without a time: the day's first and last longitude and its stations.
        std::optional<double> dayFrom, dayTo;
        struct Station {
            double utcMinute;
            bool turnsRetrograde;
        };
        std::vector<Station> stations;
    };
    std::optional<Position> position;

    bool ok() const { return refusal == Refusal::None && sign.has_value(); }
};

// The one place a birth is answered.
Answer AnswerFor(const Birth &birth);

// Seconds since 1970-01-01T00:00 of a date and minute of day as written.
qint64 WrittenSecond(int year, int month, int day, int minuteOfDay);

// The UT minute holding that UT second.
constexpr qint64 MinuteOf(qint64 second)
{
    return second / 60 - (second % 60 < 0 ? 1 : 0);
}

} // namespace astro
