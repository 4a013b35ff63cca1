#pragma once

#include <QString>
#include <QStringView>
#include <QCoreApplication>
#include <QtGlobal>

#include <array>

namespace astro {

// The month names, in calendar order, as the lookup from list texts reads
// them: English, whatever the language; also the translations' source texts.
inline constexpr std::array<const char *, 12> MonthNames = {
    QT_TRANSLATE_NOOP("Calendar", "January"),   QT_TRANSLATE_NOOP("Calendar", "February"),
    QT_TRANSLATE_NOOP("Calendar", "March"),     QT_TRANSLATE_NOOP("Calendar", "April"),
    QT_TRANSLATE_NOOP("Calendar", "May"),       QT_TRANSLATE_NOOP("Calendar", "June"),
    QT_TRANSLATE_NOOP("Calendar", "July"),      QT_TRANSLATE_NOOP("Calendar", "August"),
    QT_TRANSLATE_NOOP("Calendar", "September"), QT_TRANSLATE_NOOP("Calendar", "October"),
    QT_TRANSLATE_NOOP("Calendar", "November"),  QT_TRANSLATE_NOOP("Calendar", "December"),
};

// The name of month 1..12 as the month list shows it, in the installed
// translation's language; only ever shown, never read back.
QString MonthDisplayName(int month);

// The same name as written inside a sentence ("15 mars 1965"): a list item
// may begin with a capital where running text has none (context
// "MonthInSentence").
QString MonthNameInSentence(int month);

// Gregorian: every fourth year, but not centuries unless divisible by 400.
constexpr bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// A date the Gregorian calendar has.
constexpr bool IsRealDate(int year, int month, int day)
{
    return day >= 1 && day <= DaysInMonth(year, month);
}

// Days from 1970-01-01 to a Gregorian date (negative before it), for any
// year, month 1..12 and day; the day is not checked against the month.
constexpr qint64 DaysFromCivil(int year, int month, int day)
{
    const qint64 y = month <= 2 ? year - 1 : year;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int year, month, day;
    friend constexpr bool operator==(const CivilDate &, const CivilDate &) = default;
};

// The Gregorian date that many days from 1970-01-01.
constexpr CivilDate CivilFromDays(qint64 days)
{
    days += 719468;
    const qint64 era = (days >= 0 ? days : days - 146096) / 146097;
    const qint64 dayOfEra = days - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yearOfEra + era * 400 + (month <= 2)), month, day};
}

static_assert(DaysFromCivil(1970, 1, 1) == 0 && DaysFromCivil(2000, 3, 1) == 11017 && DaysFromCivil(1900, 1, 1) == -25567);
static_assert(CivilFromDays(-25567) == CivilDate{1900, 1, 1} && CivilFromDays(11016) == CivilDate{2000, 2, 29});

} // namespace astro
