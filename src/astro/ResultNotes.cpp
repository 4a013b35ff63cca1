#include "astro/ResultNotes.h"

#include "astro/Calendar.h"
#include "astro/Ephemeris.h"
#include "astro/Longitude.h"
#include "astro/Years.h"

#include <QCoreApplication>

#include <cstdlib>

namespace astro {

namespace {

constexpr qint64 SecondsPerDay = 24 * 60 * 60;

// The notes' texts, translated in the context "ResultNotes".
class Text
{
    Q_DECLARE_TR_FUNCTIONS(ResultNotes)

public:
    // "15 March 1965", with the month as the language writes it inside a
    // date (in the genitive where it has one), in the order it writes them.
    // The first of a month has a pattern of its own, for the languages that
    // make it an ordinal ("1er mars 1965", "1º de março de 1965").
    static QString date(const CivilDate &d)
    {
        const QString pattern = d.day == 1 ? tr("%1 %2 %3", "a date on the first of a month: day, month name, year")
                                           : tr("%1 %2 %3", "a date: day, month name, year");
        return pattern.arg(QString::number(d.day), MonthInDateName(d.month), QString::number(d.year));
    }

    // "%n day(s)" with its plural: English has no translation file, so the
    // source's "(s)" is settled here.
    static QString settle(QString counted, int n)
    {
        return counted.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    }

    // "12:00", the hour of UT a date's sign is taken at.
    static QString dayHour() { return QStringLiteral("%1:00").arg(DayHourUt, 2, 10, QChar(u'0')); }

    // "11:59 UT on 23 February 2035".
    static QString utMoment(qint64 second)
    {
        return tr("%1 UT on %2", "a moment in UT: time, date").arg(ClockTime(second), dateOf(second));
    }

    static qint64 dayOf(qint64 second) { return second / SecondsPerDay - (second % SecondsPerDay < 0 ? 1 : 0); }
    static QString dateOf(qint64 second) { return date(CivilFromDays(dayOf(second))); }

    // "3 days 4 hours", "2 hours 5 minutes", "12 minutes": how far apart two
    // moments are, to the minute.
    static QString span(qint64 seconds)
    {
        const qint64 minutes = std::llabs(seconds) / 60;
        const int days = int(minutes / (24 * 60)), hours = int(minutes / 60 % 24), rest = int(minutes % 60);
        if (days > 0)
            return tr("%1 %2", "days and hours")
                .arg(settle(tr("%n day(s)", nullptr, days), days), settle(tr("%n hour(s)", nullptr, hours), hours));
        if (hours > 0)
            return tr("%1 %2", "hours and minutes")
                .arg(settle(tr("%n hour(s)", nullptr, hours), hours), settle(tr("%n minute(s)", nullptr, rest), rest));
        if (rest == 0)
            return tr("less than a minute");
        return settle(tr("%n minute(s)", nullptr, rest), rest);
    }
};

QString signs(Sign first, Sign second)
{
    return Text::tr("%1 or %2", "two signs, when the birth time decides").arg(SignDisplayName(first),
                                                                              SignDisplayName(second));
}

// The clock a local time was read by: "Europe/London, BST, UTC+01:00".
QString clockName(const Reckoning &reckoning, const places::Offset &offset)
{
    QStringList parts;
    if (reckoning.zone)
        parts << reckoning.zone->name();
    if (!offset.abbreviation.isEmpty() && !offset.abbreviation.startsWith(u'+') && !offset.abbreviation.startsWith(u'-'))
        parts << offset.abbreviation;
    parts << OffsetName(offset.seconds);
    return parts.join(QStringLiteral(", "));
}

// "11:59 UT on 23 February 2035, which was 01:59 on 24 February 2035 here
// (Pacific/Kiritimati, +14, UTC+14:00)": a UT moment and the local time it
// was; the local time only where it differs.
QString moment(const Reckoning &reckoning, qint64 utcSecond)
{
    const places::Offset offset = reckoning.offsetAt(utcSecond);
    const QString ut = Text::utMoment(utcSecond);
    if (offset.seconds == 0)
        return ut;
    const qint64 local = utcSecond + offset.seconds;
    return Text::tr("%1, which was %2 on %3 local time (%4)", "a UT moment, then the local time, date and clock")
        .arg(ut, ClockTime(local), Text::dateOf(local), clockName(reckoning, offset));
}

void addAnsweredFor(ResultNotes &notes, const QString &name, const Answer &answer)
{
    const Birth &b = answer.birth;
    const QString date = Text::date({b.year, b.month, b.day});
    const QString &place = b.reckoning.place;
    if (b.minuteOfDay) {
        const QString time = ClockTime(qint64(*b.minuteOfDay) * 60);
        notes.answeredFor = place.isEmpty()
            ? Text::tr("Answer for %1, born on %2 at %3.").arg(name, date, time)
            : Text::tr("Answer for %1, born on %2 at %3 in %4.").arg(name, date, time, place);
    } else {
        notes.answeredFor = place.isEmpty() ? Text::tr("Answer for %1, born on %2.").arg(name, date)
                                            : Text::tr("Answer for %1, born on %2 in %3.").arg(name, date, place);
    }
}

// Where the birth's time was read, and the moment it was.
void addMoment(ResultNotes &notes, const Answer &answer)
{
    const Reckoning &r = answer.birth.reckoning;
    if (r.computers)
        notes.lines << Text::tr("No birthplace was given: this computer's time zone stands in for it.");
    if (answer.moments.size() > 1) {
        notes.lines << Text::tr("The clocks there showed that time twice: at %1 and at %2.")
                           .arg(moment(r, answer.moments.front()), moment(r, answer.moments.back()));
        return;
    }
    const places::Offset &offset = answer.offset;
    const qint64 at = answer.fromSecond;
    const QString ut = Text::utMoment(at);
    if (offset.seconds == 0)
        notes.lines << (r.zone ? Text::tr("You were born at %1 (%2).").arg(ut, clockName(r, offset))
                               : Text::tr("You were born at %1.").arg(ut));
    else
        notes.lines << Text::tr("You were born at %1 on %2 local time (%3), which was %4.")
                           .arg(ClockTime(at + offset.seconds), Text::dateOf(at + offset.seconds),
                                clockName(r, offset), ut);
}

// For a moment: how long Eros had been in its sign, and how long it stayed.
void addNearestChanges(ResultNotes &notes, const Answer &answer, Sign sky)
{
    if (answer.moments.size() > 1)
        return;
    const qint64 at = answer.fromSecond;
    if (answer.changeBefore && answer.changeAfter)
        notes.lines << Text::tr("Eros had entered %1 %2 before your birth and moved on into %3 %4 after it.")
                           .arg(SignDisplayName(sky), Text::span(at - answer.changeBefore->utcMinute * 60),
                                SignDisplayName(answer.changeAfter->to), Text::span(answer.changeAfter->utcMinute * 60 - at));
}

// Each change of sign that bears on the birth, with the sign either side.
void addChanges(ResultNotes &notes, const Answer &answer)
{
    const Reckoning &r = answer.birth.reckoning;
    for (const Crossing &c : answer.crossings) {
        const qint64 at = c.utcMinute * 60;
        notes.lines << Text::tr("Eros moved from %1 into %2 at %3.")
                           .arg(SignDisplayName(c.from), SignDisplayName(c.to), moment(r, at));
        if (!answer.birth.minuteOfDay) {
            const places::Offset offset = r.offsetAt(at);
            notes.lines << Text::tr("If you were born before %1, Eros was in %2; if later, in %3.")
                               .arg(offset.seconds == 0 ? Text::tr("%1 UT").arg(ClockTime(at))
                                                        : Text::tr("%1 local time").arg(ClockTime(at + offset.seconds)),
                                    SignDisplayName(c.from), SignDisplayName(c.to));
        }
    }
    if (!answer.crossings.empty() && !answer.birth.minuteOfDay)
        notes.lines << Text::tr("Give your time of birth for one sign.");
}

void addUncertainty(ResultNotes &notes, const Answer &answer)
{
    if (!answer.uncertain || !answer.uncertainChange)
        return;
    const Crossing &c = *answer.uncertainChange;
    notes.lines << Text::tr("Eros was then within %1″ of the boundary between %2 and %3, closer than the model's "
                            "error: the sign could be either.")
                       .arg(QString::number(UncertaintyArcseconds), SignDisplayName(c.from), SignDisplayName(c.to));
}

// Where the sky had Eros: to the arc-minute at a moment, or its path over
// the day; retrograde motion and stations named. In the table's years it is
// the computed sky's, and says so where its sign is not the table's.
void addPosition(ResultNotes &notes, const Answer &answer)
{
    if (!answer.position)
        return;
    const Answer::Position &p = *answer.position;
    const Sign skySign = SignOfLongitude(p.longitude);
    const bool table = answer.source == Source::Table;
    const QString retrograde = Text::tr("retrograde ℞", "Eros moving backwards through the signs");
    if (!p.dayFrom || !p.dayTo) {
        QString line = table ? Text::tr("In the computed sky Eros stood at %1.").arg(PositionName(p.longitude))
                             : Text::tr("Eros stood at %1.").arg(PositionName(p.longitude));
        if (p.retrograde)
            line = (table ? Text::tr("In the computed sky Eros stood at %1, %2.")
                          : Text::tr("Eros stood at %1, %2."))
                       .arg(PositionName(p.longitude), retrograde);
        notes.lines << line;
    } else {
        // "from 4°24′ to 4°57′ Aquarius", the sign once where it is one.
        const QString to = PositionName(*p.dayTo);
        const QString from = SignOfLongitude(*p.dayFrom) == SignOfLongitude(*p.dayTo) ? DegreeInSign(*p.dayFrom)
                                                                                       : PositionName(*p.dayFrom);
        QString line = answer.birth.dateOnly ? Text::tr("Over the day in UT Eros moved from %1 to %2.").arg(from, to)
                                             : Text::tr("Over the local day Eros moved from %1 to %2.").arg(from, to);
        if (table)
            line = answer.birth.dateOnly
                ? Text::tr("In the computed sky, over the day in UT, Eros moved from %1 to %2.").arg(from, to)
                : Text::tr("In the computed sky, over the local day, Eros moved from %1 to %2.").arg(from, to);
        notes.lines << line;
        if (p.stations.empty() && p.retrograde)
            notes.lines << Text::tr("Eros was %1 all day.").arg(retrograde);
        for (const Answer::Position::Station &station : p.stations) {
            const qint64 at = qint64(station.utcMinute * 60);
            notes.lines << (station.turnsRetrograde
                                ? Text::tr("Eros stood still at %1 and then turned %2.").arg(moment(answer.birth.reckoning, at), retrograde)
                                : Text::tr("Eros stood still at %1 and then turned direct.").arg(moment(answer.birth.reckoning, at)));
        }
    }
    if (table && skySign != *answer.sign)
        notes.lines << Text::tr("That is in %1, not in the table's %2, which the program keeps.")
                           .arg(SignDisplayName(skySign), SignDisplayName(*answer.sign));
    // The picture's words.
    notes.pictureName = p.retrograde ? Text::tr("Eros at %1, %2").arg(PositionName(p.longitude), Text::tr("retrograde"))
                                     : Text::tr("Eros at %1").arg(PositionName(p.longitude));
    notes.pictureDescription = p.sunLongitude
        ? Text::tr("A zodiac wheel with Eros at %1 and the Sun at %2.").arg(PositionName(p.longitude), PositionName(*p.sunLongitude))
        : Text::tr("A zodiac wheel with Eros at %1.").arg(PositionName(p.longitude));
}

// A reading the window may offer besides the answer's, once each.
void offer(ResultNotes &notes, Sign sign, const QString &headline, const QString &forWhom)
{
    for (const ResultNotes::View &v : notes.views) {
        if (v.sign == sign)
            return;
    }
    notes.views.push_back({sign, headline, forWhom});
}

void addTableNotes(ResultNotes &notes, const Answer &answer)
{
    const Sign sign = *answer.sign;
    const QString years = Text::tr("%1 to %2", "a span of years").arg(QString::number(FirstYear), QString::number(LastYear));
    notes.lines << Text::tr("The sign comes from the original table, which covers %1 to %2.")
                       .arg(QString::number(FirstYear), QString::number(LastYear));
    offer(notes, sign, SignDisplayName(sign), {});
    if (answer.birth.minuteOfDay)
        addMoment(notes, answer);
    if (answer.tableSignBefore) {
        const Sign before = *answer.tableSignBefore;
        notes.lines << Text::tr("On this day the table has Eros moving from %1 into %2; it gives no hour.")
                           .arg(SignDisplayName(before), SignDisplayName(sign));
        if (answer.skyTableChange) {
            const qint64 at = answer.skyTableChange->utcMinute * 60;
            notes.lines << Text::tr("The computed sky has that change at %1.").arg(moment(answer.birth.reckoning, at));
            offer(notes, before, SignDisplayName(before),
                  Text::tr("The reading shown is for %1, the sign before the change: by the computed sky, for births "
                           "before %2 UT on %3.")
                      .arg(SignDisplayName(before), ClockTime(at), Text::dateOf(at)));
        }
    }
    if (answer.skySign) {
        const QString when = answer.birth.minuteOfDay
            ? Text::tr("at the moment of your birth")
            : Text::tr("at %1 UT on this day").arg(Text::dayHour());
        notes.lines << Text::tr("The computed sky puts Eros in %1 %2; for %3 the program keeps the original table's "
                                "answer, %4.")
                           .arg(SignDisplayName(*answer.skySign), when, years, SignDisplayName(sign));
        offer(notes, *answer.skySign, SignDisplayName(*answer.skySign),
              Text::tr("The reading shown is for %1, where the computed sky puts Eros; the program answers with the "
                       "table's %2.")
                  .arg(SignDisplayName(*answer.skySign), SignDisplayName(sign)));
    }
    // The sky's own changes on this day, other than the table's.
    for (const Crossing &c : answer.crossings) {
        if (answer.skyTableChange && c.utcMinute == answer.skyTableChange->utcMinute)
            continue;
        notes.lines << Text::tr("The computed sky has Eros moving from %1 into %2 at %3.")
                           .arg(SignDisplayName(c.from), SignDisplayName(c.to), moment(answer.birth.reckoning, c.utcMinute * 60));
    }
    addUncertainty(notes, answer);
}

void addEphemerisNotes(ResultNotes &notes, const Answer &answer)
{
    const Sign sign = *answer.sign;
    const Birth &b = answer.birth;
    const Reckoning &r = b.reckoning;
    if (b.dateOnly) {
        notes.lines << Text::tr("The sign is computed from JPL's orbit of Eros, for %1 UT on this day.")
                           .arg(Text::dayHour());
        addChanges(notes, answer);
        addUncertainty(notes, answer);
        offer(notes, sign, SignDisplayName(sign), {});
        if (!answer.crossings.empty()) {
            // The day's other sign, and for whom each reading is.
            const Crossing &c = answer.crossings.front();
            const Sign other = c.from != sign ? c.from : c.to;
            const qint64 at = c.utcMinute * 60;
            const auto forWhom = [&](Sign s) {
                return (s == c.from ? Text::tr("The reading shown is for %1: for births before %2.")
                                    : Text::tr("The reading shown is for %1: for births at or after %2."))
                    .arg(SignDisplayName(s), moment(r, at));
            };
            notes.views.front().forWhom = forWhom(sign);
            offer(notes, other, SignDisplayName(other), forWhom(other));
        }
        return;
    }
    if (b.minuteOfDay) {
        notes.lines << Text::tr("The sign is computed from JPL's orbit of Eros, for the moment of your birth.");
        addMoment(notes, answer);
        if (answer.laterSign) {
            // A repeated hour whose two moments fall in two signs.
            const QString both = signs(sign, *answer.laterSign);
            notes.lines << Text::tr("At the first Eros was in %1, at the second in %2.")
                               .arg(SignDisplayName(sign), SignDisplayName(*answer.laterSign));
            offer(notes, sign, both, Text::tr("The reading shown is for %1: for a birth at the first of the two.")
                                          .arg(SignDisplayName(sign)));
            offer(notes, *answer.laterSign, both,
                  Text::tr("The reading shown is for %1: for a birth at the second of the two.")
                      .arg(SignDisplayName(*answer.laterSign)));
            return;
        }
        addNearestChanges(notes, answer, sign);
        addUncertainty(notes, answer);
        offer(notes, sign, SignDisplayName(sign), {});
        if (answer.uncertainChange) {
            const Crossing &c = *answer.uncertainChange;
            const Sign other = c.from != sign ? c.from : c.to;
            offer(notes, other, SignDisplayName(other),
                  Text::tr("The reading shown is for %1, the sign Eros was in or entered within the model's error of "
                           "your birth.")
                      .arg(SignDisplayName(other)));
        }
        return;
    }
    // A place and no time: the whole local day.
    notes.lines << Text::tr("The sign is computed from JPL's orbit of Eros, for the whole day at the birthplace.");
    if (r.computers)
        notes.lines << Text::tr("No birthplace was given: this computer's time zone stands in for it.");
    addChanges(notes, answer);
    if (!answer.laterSign) {
        offer(notes, sign, SignDisplayName(sign), {});
        return;
    }
    const Crossing &c = answer.crossings.front();
    const QString both = signs(sign, *answer.laterSign);
    const qint64 local = c.utcMinute * 60 + r.offsetAt(c.utcMinute * 60).seconds;
    offer(notes, sign, both,
          Text::tr("The reading shown is for %1: for births before %2 local time.").arg(SignDisplayName(sign), ClockTime(local)));
    offer(notes, *answer.laterSign, both,
          Text::tr("The reading shown is for %1: for births at or after %2 local time.")
              .arg(SignDisplayName(*answer.laterSign), ClockTime(local)));
}

} // namespace

QStringList ResultNotes::linesWith(std::size_t view) const
{
    QStringList shown;
    if (view < views.size() && !views[view].forWhom.isEmpty())
        shown << views[view].forWhom;
    return shown + lines;
}

ResultNotes NotesFor(const QString &name, const Answer &answer)
{
    ResultNotes notes;
    if (!answer.ok())
        return notes;
    addAnsweredFor(notes, name, answer);
    if (answer.source == Source::Table)
        addTableNotes(notes, answer);
    else
        addEphemerisNotes(notes, answer);
    // The position comes right after the source, before the changes.
    ResultNotes position;
    addPosition(position, answer);
    for (qsizetype i = 0; i < position.lines.size(); ++i)
        notes.lines.insert(1 + i, position.lines[i]);
    notes.pictureName = position.pictureName;
    notes.pictureDescription = position.pictureDescription;
    return notes;
}

QString ClockTime(qint64 second)
{
    const qint64 ofDay = second - Text::dayOf(second) * SecondsPerDay;
    return QStringLiteral("%1:%2").arg(ofDay / 3600, 2, 10, QChar(u'0')).arg(ofDay / 60 % 60, 2, 10, QChar(u'0'));
}

QString OffsetName(int seconds)
{
    const int all = std::abs(seconds);
    QString name = QStringLiteral("UTC%1%2:%3")
                       .arg(QChar(seconds < 0 ? u'-' : u'+'))
                       .arg(all / 3600, 2, 10, QChar(u'0'))
                       .arg(all / 60 % 60, 2, 10, QChar(u'0'));
    if (all % 60 != 0)
        name += QStringLiteral(":%1").arg(all % 60, 2, 10, QChar(u'0'));
    return name;
}

QString PositionName(double longitude)
{
    return Text::tr("%1 %2", "a position: degree and minute within the sign, the sign")
        .arg(DegreeInSign(longitude), SignDisplayName(SignOfLongitude(longitude)));
}

} // namespace astro
