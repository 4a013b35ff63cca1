#pragma once

#include "astro/Answer.h"
#include "astro/Ephemeris.h"
#include "astro/Sign.h"
#include "astro/Years.h"

#include <QString>

#include <optional>

namespace astro {

// The sign in force on a day of the table. Day numbers run 1..31 in every
// month, as the day list offers them, so a day the month lacks still has a
// sign. No match outside 1940..1990, months 1..12 and days 1..31.
std::optional<Sign> TableSign(int year, int month, int day);

// The table's answer for its years; for the other years from EarliestYear
// to LatestYear the ephemeris's, for real dates only. No match otherwise.
std::optional<Sign> LookupSign(int year, int month, int day);

// The sign of the last lookup that matched; empty until one has.
const QString &SexualitySign();

// Stores the answer's sign, by its English name (SignName), in
// SexualitySign(). An answer with no sign leaves the previous value in place.
void GetPlanetSign(const Answer &answer);

} // namespace astro
