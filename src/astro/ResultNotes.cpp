#include "astro/ResultNotes.h"

#include "astro/Calendar.h"
#include "astro/Ephemeris.h"
#include "astro/modPlanetSign.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdlib>

namespace astro {

namespace {

// The notes' texts, translated in the context "ResultNotes".
class Text
{
    Q_DECLARE_TR_FUNCTIONS(ResultNotes)

public:
    // "12:00", the hour of UT a day's sign is taken at.
    static QString dayHour() { return QStringLiteral("%1:00").arg(DayHourUt, 2, 10, QChar(u'0')); }

    // "15 March 1965", with the month named as the month list names it, in
    // the order the user's language writes a date.
    static QString date(QDate d)
    {
        return tr("%1 %2 %3", "a date: day, month name, year")
            .arg(QString::number(d.day()), MonthInDateName(d.month()), QString::number(d.year()));
    }
};

// The table's years: the table answers, and says only on which day a sign
// begins.
void addTableNotes(ResultNotes &notes, QDate date)
{
    const Sign sign = *notes.sign;
    notes.lines << Text::tr("The sign comes from the original table, which covers %1 to %2.")
                       .arg(QString::number(FirstYear), QString::number(LastYear));
    // A change point of the table takes effect on this day. Each row starts
    // afresh on 1 January, so the day a row begins with another sign than
    // the year before ended with is no change point.
    if (date.month() != 1 || date.day() != 1) {
        const QDate before = date.addDays(-1);
        const std::optional<Sign> previous = TableSign(before.year(), before.month(), before.day());
        if (previous && *previous != sign)
            notes.lines << Text::tr("On this day the table has Eros moving from %1 into %2; it gives no hour.")
                               .arg(SignDisplayName(*previous), SignDisplayName(sign));
    }
    const std::optional<Sign> sky = EphemerisSign(date.year(), date.month(), date.day());
    if (sky && *sky != sign)
        notes.lines << Text::tr("The computed sky puts Eros in %1 at %2 UT on this day; for %3 to %4 the program "
                                "keeps the original table's answer.")
                           .arg(SignDisplayName(*sky), Text::dayHour(), QString::number(FirstYear), QString::number(LastYear));
}

// "UTC+05:30", "UTC-10:00".
QString offsetName(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(QChar(seconds < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

// The other years: the ephemeris at 12:00 UT answers. A birth on this date,
// whether by UT or by the local time zone, may fall before or after a
// crossing: each one is named, with the sign on either side of it.
void addEphemerisNotes(ResultNotes &notes, QDate date, const QTimeZone &localZone)
{
    notes.lines
        << Text::tr("The sign is computed from JPL's orbit of Eros, for %1 UT on this day.").arg(Text::dayHour());
    // No zone is more than a day from UT: the crossings of the days around
    // the date hold all of this date's, in either reckoning.
    constexpr qint64 MinutesPerDay = 24 * 60;
    const qint64 day = DaysFromCivil(date.year(), date.month(), date.day()) * MinutesPerDay;
    for (const Crossing &c : CrossingsBetween(day - MinutesPerDay, day + 2 * MinutesPerDay)) {
        const QDateTime ut = QDateTime::fromSecsSinceEpoch(c.utcMinute * 60, QTimeZone::utc());
        const QDateTime local = ut.toTimeZone(localZone);
        if (ut.date() != date && local.date() != date)
            continue;
        notes.lines << Text::tr("Eros moved from %1 into %2 at %3 UT on %4, which was %5 on %6 in this computer's "
                                "time zone (%7).")
                           .arg(SignDisplayName(c.from), SignDisplayName(c.to), ut.toString(u"hh:mm"), Text::date(ut.date()),
                                local.toString(u"hh:mm"), Text::date(local.date()), offsetName(local.offsetFromUtc()));
        notes.lines << Text::tr("Born before that moment, Eros was in %1; born after it, in %2.")
                           .arg(SignDisplayName(c.from), SignDisplayName(c.to));
        if (!notes.otherSign)
            notes.otherSign = c.from != *notes.sign ? c.from : c.to;
    }
}

} // namespace

ResultNotes NotesFor(const QString &name, QDate date, const QTimeZone &localZone)
{
    ResultNotes notes;
    if (!date.isValid())
        return notes;
    notes.sign = LookupSign(date.year(), date.month(), date.day());
    if (!notes.sign)
        return {};
    notes.answeredFor = Text::tr("Answer for %1, born on %2.").arg(name, Text::date(date));
    if (date.year() >= FirstYear && date.year() <= LastYear)
        addTableNotes(notes, date);
    else
        addEphemerisNotes(notes, date, localZone);
    return notes;
}

} // namespace astro
