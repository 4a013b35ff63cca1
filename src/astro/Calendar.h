#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace astro {

// The month names, in calendar order, as the lookup from list texts reads
// them: English, whatever the language.
inline constexpr std::array<QStringView, 12> MonthNames = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};

// The name of month 1..12 as the month list shows it, in the installed
// translation's language; only ever shown, never read back.
QString MonthDisplayName(int month);

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

} // namespace astro
