#pragma once

#include "astro/Calendar.h"
#include "astro/Sign.h"
#include "astro/Years.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// Apparent geocentric ecliptic longitudes (ecliptic and true equinox of
// date, as the signs use) of Eros and the Sun, from Chebyshev series that
// tools/ephemeris fits to its model and writes into ErosLongitude.inc.
// Times are UT minutes since 1970-01-01T00:00Z, with their fraction (the
// unit of astro::Crossing); longitudes are degrees, 0 <= l < 360.
namespace astro {

// Eros's longitude, within 1" of the generator's model; no value outside
// 1900-01-01T00:00Z..2101-01-01T00:00Z. Within BoundaryHoldArcsec of a sign
// boundary it is held on the side of the sign EphemerisSignAt gives for the
// whole minute, so the two always agree at whole minutes.
std::optional<double> ErosLongitude(double utcMinute);
inline constexpr double BoundaryHoldArcsec = 0.05;

// How fast that longitude changes, degrees per day; negative while Eros is
// retrograde.
std::optional<double> ErosLongitudeRate(double utcMinute);

// The Sun's longitude, within 1" of the model too (0.01 degree is what the
// wheel needs).
std::optional<double> SunLongitude(double utcMinute);

// The moments Eros stands still in longitude (its rate changes sign),
// from <= moment < to, in time order, to about a second.
std::vector<double> ErosStations(double fromUtcMinute, double toUtcMinute);

// The sign the longitude lies in, taken from the same whole arc-minute as
// DegreeInSign, so the two never disagree at a boundary.
Sign SignOfLongitude(double longitude);

// Degree and minute within the sign, "14°23′": truncated to the minute, as
// astrologers read a position (14°23′ is 14°23′00″ up to 14°23′59.99″), so
// never 60′ or 30°. Digits are always ASCII: the text is also what other
// programs are given.
QString DegreeInSign(double longitude);

// How the series are laid out. The generator chooses the layout and writes
// it with the coefficients; the checks read it to find the nodes.
namespace series {

struct Layout {
    qint64 firstMinute; // start of the first interval
    qint64 intervalMinutes;
    int intervals;
    int degree; // the series' degree: degree + 1 coefficients an interval

    // Node j (0..degree) of an interval: the Chebyshev-Lobatto points, in
    // time order, the first and last at the interval's ends (so neighbours
    // agree where they meet).
    double nodeMinute(int interval, int node) const;
    constexpr qint64 endMinute() const { return firstMinute + intervalMinutes * intervals; }
};

// The first and the last moment answered for: 1900-01-01T00:00Z and
// 2101-01-01T00:00Z.
inline constexpr qint64 FirstMinute = DaysFromCivil(EarliestYear, 1, 1) * 1440;
inline constexpr qint64 LastMinute = DaysFromCivil(LatestYear + 1, 1, 1) * 1440;

const Layout &ErosLayout();
const Layout &SunLayout();

// Coefficients are whole units of 2^-32 of a turn.
inline constexpr double UnitsPerTurn = 4294967296.0;

// An interval's series at x (-1 at its start, 1 at its end), in those units:
// c[0] T_0 + ... + c[degree] T_degree with the last halved, the Lobatto
// fit's convention (c[0] is the constant, modulo a turn).
double Sum(const qint32 *c, int degree, double x);

} // namespace series

} // namespace astro
