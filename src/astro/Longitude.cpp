#include "astro/Longitude.h"

#include "astro/Ephemeris.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace astro {

namespace {

#include "astro/ErosLongitude.inc"

// The data carries its own layout, so a generator with another one still
// builds against the committed file.
static_assert(std::size(ErosCoefficients) == std::size_t(ErosData.intervals) * (ErosData.degree + 1));
static_assert(std::size(SunCoefficients) == std::size_t(SunData.intervals) * (SunData.degree + 1));
static_assert(ErosData.firstMinute <= series::FirstMinute && ErosData.endMinute() >= series::LastMinute);
static_assert(SunData.firstMinute <= series::FirstMinute && SunData.endMinute() >= series::LastMinute);

constexpr double DegreesPerUnit = 360.0 / series::UnitsPerTurn;

struct Place {
    const qint32 *c; // the interval's coefficients
    double x; // -1 .. 1 within it
};

std::optional<Place> place(const series::Layout &layout, const qint32 *coefficients, double utcMinute)
{
    // Also rejects NaN.
    if (!(utcMinute >= double(series::FirstMinute) && utcMinute <= double(series::LastMinute)))
        return std::nullopt;
    const double offset = (utcMinute - double(layout.firstMinute)) / double(layout.intervalMinutes);
    const int interval = std::min(int(offset), layout.intervals - 1);
    return Place{coefficients + std::size_t(interval) * (layout.degree + 1), 2 * (offset - interval) - 1};
}

} // namespace

// Clenshaw's recurrence.
double series::Sum(const qint32 *c, int degree, double x)
{
    double b1 = 0.5 * c[degree], b2 = 0;
    const double twoX = 2 * x;
    for (int k = degree - 1; k >= 1; --k) {
        const double b = c[k] + twoX * b1 - b2;
        b2 = b1;
        b1 = b;
    }
    return c[0] + x * b1 - b2;
}

namespace {

// The derivative by x: sum of k c[k] U_(k-1)(x), the last halved.
double derivative(const qint32 *c, int degree, double x)
{
    double b1 = 0, b2 = 0;
    const double twoX = 2 * x;
    for (int k = degree; k >= 1; --k) {
        const double a = (k == degree ? 0.5 : 1.0) * k * c[k];
        const double b = a + twoX * b1 - b2;
        b2 = b1;
        b1 = b;
    }
    return b1;
}

std::optional<double> longitude(const series::Layout &layout, const qint32 *coefficients, double utcMinute)
{
    const std::optional<Place> p = place(layout, coefficients, utcMinute);
    if (!p)
        return std::nullopt;
    const double degrees = std::fmod(series::Sum(p->c, layout.degree, p->x) * DegreesPerUnit, 360.0);
    // fmod keeps the sign; a tiny negative rounds up to 360 itself.
    const double wrapped = degrees < 0 ? degrees + 360 : degrees;
    return wrapped >= 360 ? 0.0 : wrapped;
}

// Whole arc-minutes from 0° Aries, 0 .. 21599.
int arcMinutes(double longitude)
{
    double l = std::fmod(longitude, 360.0);
    if (l < 0)
        l += 360;
    const auto m = static_cast<long long>(std::floor(l * 60));
    return int(((m % 21600) + 21600) % 21600);
}

// How far a longitude may be held to the crossings' side of a boundary:
// the crossings are found to a second, and the series agree with the model
// to a few thousandths of an arc-second.
constexpr double BoundaryHoldDegrees = BoundaryHoldArcsec / 3600;

} // namespace

std::optional<double> ErosLongitude(double utcMinute)
{
    std::optional<double> l = longitude(ErosData, ErosCoefficients, utcMinute);
    if (!l)
        return l;
    // Within a hair of a boundary, the written crossing minutes decide the
    // side, so the sign read from the longitude is the one EphemerisSignAt
    // gives for the minute.
    const double boundary = std::round(*l / 30) * 30;
    if (std::abs(*l - boundary) < BoundaryHoldDegrees) {
        const std::optional<Sign> written = EphemerisSignAt(qint64(std::floor(utcMinute)));
        if (written && *written != SignOfLongitude(*l)) {
            const double start = int(*written) * 30.0;
            // The start of the written sign, or its last 1e-9 degree.
            l = std::abs(std::remainder(start - *l, 360.0)) < 1 ? start : start + 30 - 1e-9;
        }
    }
    return l;
}

std::optional<double> ErosLongitudeRate(double utcMinute)
{
    const std::optional<Place> p = place(ErosData, ErosCoefficients, utcMinute);
    if (!p)
        return std::nullopt;
    // dx/dt is 2 per interval.
    const double perDay = 2.0 * 1440 / double(ErosData.intervalMinutes);
    return derivative(p->c, ErosData.degree, p->x) * DegreesPerUnit * perDay;
}

std::optional<double> SunLongitude(double utcMinute)
{
    return longitude(SunData, SunCoefficients, utcMinute);
}

std::vector<double> ErosStations(double fromUtcMinute, double toUtcMinute)
{
    std::vector<double> stations;
    const double first = std::max(fromUtcMinute, double(series::FirstMinute));
    const double last = std::min(toUtcMinute, double(series::LastMinute));
    if (!(first < last))
        return stations;
    // Eros's stations lie weeks apart; a sign change of the rate between
    // samples half a day apart is one station, found then by bisection.
    constexpr double Step = 720;
    const auto rate = [](double minute) { return *ErosLongitudeRate(minute); };
    double a = first, ra = rate(a);
    while (a < last) {
        const double b = std::min(a + Step, last);
        const double rb = rate(b);
        if ((ra < 0) != (rb < 0)) {
            double lo = a, hi = b;
            const bool loNegative = ra < 0;
            while (hi - lo > 1.0 / 600) {
                const double mid = (lo + hi) / 2;
                ((rate(mid) < 0) == loNegative ? lo : hi) = mid;
            }
            const double at = (lo + hi) / 2;
            if (at >= fromUtcMinute && at < toUtcMinute)
                stations.push_back(at);
        }
        a = b;
        ra = rb;
    }
    return stations;
}

Sign SignOfLongitude(double longitude)
{
    return AllSigns[std::size_t(arcMinutes(longitude) / (30 * 60))];
}

QString DegreeInSign(double longitude)
{
    const int inSign = arcMinutes(longitude) % (30 * 60);
    return QStringLiteral("%1\u00B0%2\u2032").arg(inSign / 60).arg(inSign % 60, 2, 10, QLatin1Char('0'));
}

const series::Layout &series::ErosLayout()
{
    return ErosData;
}

const series::Layout &series::SunLayout()
{
    return SunData;
}

double series::Layout::nodeMinute(int interval, int node) const
{
    // x = -cos(pi j / degree) runs from -1 to 1 as j goes up.
    const double x = -std::cos(std::numbers::pi * node / degree);
    return double(firstMinute) + double(intervalMinutes) * (interval + (x + 1) / 2);
}

} // namespace astro
