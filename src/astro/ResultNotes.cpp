#include "astro/ResultNotes.h"

#include "astro/Calendar.h"
#include "astro/Ephemeris.h"
#include "astro/modPlanetSign.h"

#include <QCoreApplication>

namespace astro {

namespace {

// The notes' texts, translated in the context "ResultNotes".
class Text
{
    Q_DECLARE_TR_FUNCTIONS(ResultNotes)

public:
    // "15 March 1965", with the month named as the month list names it.
    static QString date(QDate d)
    {
        return tr("%1 %2 %3", "a date: day, month name, year")
            .arg(QString::number(d.day()), MonthNames[d.month() - 1].toString(), QString::number(d.year()));
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
                               .arg(SignName(*previous), SignName(sign));
    }
    const std::optional<Sign> sky = EphemerisSign(date.year(), date.month(), date.day());
    if (sky && *sky != sign)
        notes.lines << Text::tr("The computed sky puts Eros in %1 at 12:00 UT on this day; for %2 to %3 the program "
                                "keeps the original table's answer.")
                           .arg(SignName(*sky), QString::number(FirstYear), QString::number(LastYear));
}

// The other years: the ephemeris at 12:00 UT answers.
void addEphemerisNotes(ResultNotes &notes, QDate date, const QTimeZone &localZone)
{
    Q_UNUSED(date);
    Q_UNUSED(localZone);
    notes.lines << Text::tr("The sign is computed from JPL's orbit of Eros, for 12:00 UT on this day.");
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
    const QString when = Text::date(date);
    notes.answeredFor = name.isEmpty() ? Text::tr("Answer for a birth on %1.").arg(when)
                                       : Text::tr("Answer for %1, born on %2.").arg(name, when);
    if (date.year() >= FirstYear && date.year() <= LastYear)
        addTableNotes(notes, date);
    else
        addEphemerisNotes(notes, date, localZone);
    return notes;
}

} // namespace astro
