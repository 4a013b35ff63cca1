#pragma once

#include "astro/Ephemeris.h"
#include "astro/Sign.h"
#include "astro/Years.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace astro {

// The sign in force on a day of the table. Day numbers run 1..31 in every
// month, as the day list offers them, so a day the month lacks still has a
// sign. No match outside 1940..1990, months 1..12 and days 1..31.
std::optional<Sign> TableSign(int year, int month, int day);

// The table's answer for its years; for the other years from EarliestYear
// to LatestYear the ephemeris's, for real dates only. No match otherwise.
std::optional<Sign> LookupSign(int year, int month, int day);

// The same lookup from the three texts of the original lists: the year and
// day texts must be plain decimal numbers, the month text one of
// "January".."December" exactly (MonthNames, in English whatever the
// language).
std::optional<Sign> LookupSign(QStringView yearText, QStringView monthText, QStringView dayText);

// The sign of the last lookup that matched; empty until one has.
const QString &SexualitySign();

// Looks the date up and, on a match, stores the sign's English name
// (SignName) in SexualitySign(). No match leaves the previous value in place.
void GetPlanetSign(int year, int month, int day);
void GetPlanetSign(QStringView yearText, QStringView monthText, QStringView dayText);

} // namespace astro
