#include "ErosModel.h"

#include "Elements.h"

#include <erfa.h>
#include <erfam.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_min.h>
#include <gsl/gsl_odeiv2.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace eros {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Deg = Pi / 180;
constexpr double K = 0.01720209895; // Gaussian gravitational constant
constexpr double SunGm = K * K; // AU^3/day^2
constexpr double C = ERFA_DC; // speed of light, AU/day
constexpr double ObliquityJ2000 = 84381.448 * ERFA_DAS2R;
// Earth alone, for the mistake of leaving the Moon out of eraPlan94's
// Earth-Moon barycentre.
constexpr double EarthOnlyReciprocalMass = 332946.0487;
// Reciprocal masses (Sun / planet) of the bodies eraPlan94 gives, 1..8.
constexpr std::array<double, 8> ReciprocalMass = {
    6023600.0, 408523.71, 328900.56, 3098708.0, 1047.3486, 3497.898, 22902.98, 19412.24,
};

Vec operator+(const Vec &a, const Vec &b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec operator-(const Vec &a, const Vec &b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec operator*(const Vec &a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
double dot(const Vec &a, const Vec &b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double norm(const Vec &a) { return std::sqrt(dot(a, a)); }
Vec cross(const Vec &a, const Vec &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec fromArray(const double a[3]) { return {a[0], a[1], a[2]}; }
Vec times(const double m[3][3], const Vec &v)
{
    Vec out;
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return out;
}
Vec transposeTimes(const double m[3][3], const Vec &v)
{
    Vec out;
    for (int i = 0; i < 3; ++i)
        out[i] = m[0][i] * v[0] + m[1][i] * v[1] + m[2][i] * v[2];
    return out;
}
// Rotation about the x axis carrying ecliptic coordinates into equatorial
// ones for obliquity eps (and back for -eps).
Vec eclipticToEquatorial(const Vec &v, double eps)
{
    const double c = std::cos(eps), s = std::sin(eps);
    return {v[0], c * v[1] - s * v[2], s * v[1] + c * v[2]};
}

// ERFA keeps full precision when a date is split at MJD 0.
constexpr double Mjd0 = ERFA_DJM0;

struct Earth {
    Vec heliocentric, barycentric, barycentricVelocity, sun, sunVelocity;
};
Earth earthAt(double tdb)
{
    double pvh[2][3], pvb[2][3];
    eraEpv00(Mjd0, tdb - Mjd0, pvh, pvb);
    Earth e;
    e.heliocentric = fromArray(pvh[0]);
    e.barycentric = fromArray(pvb[0]);
    e.barycentricVelocity = fromArray(pvb[1]);
    e.sun = e.barycentric - e.heliocentric;
    e.sunVelocity = fromArray(pvb[1]) - fromArray(pvh[1]);
    return e;
}

// Vector from a barycentric observer at tdb to Eros as its light left it.
// Eros's light-time is at most ~25 minutes: its state that much earlier is
// taken from the state and acceleration at tdb (the next term is below a
// metre).
Vec lightTimeCorrected(Orbit &orbit, double tdb, const Earth &earth, const Vec &observer)
{
    const State s = orbit.at(tdb);
    const Vec acc = orbit.acceleration(tdb, s.r, s.v);
    double tau = 0;
    Vec rho{};
    for (int k = 0; k < 4; ++k) {
        const Vec helio = s.r - s.v * tau + acc * (tau * tau / 2);
        rho = helio + (earth.sun - earth.sunVelocity * tau) - observer;
        tau = norm(rho) / C;
    }
    return rho;
}

} // namespace

bool ApplyFault(Options &options, std::string_view name)
{
    if (name == "element epoch 0.5 d early")
        options.epochShiftDays = -0.5;
    else if (name == "no relativity")
        options.relativity = false;
    else if (name == "Earth without the Moon")
        options.moonInEarthMass = false;
    else if (name == "no nutation")
        options.nutation = false;
    else if (name == "sign at 0h UT")
        options.hourUt = 0;
    else
        return false;
    return true;
}

std::vector<std::string_view> FaultNames()
{
    return {"element epoch 0.5 d early", "no relativity", "Earth without the Moon", "no nutation", "sign at 0h UT"};
}

struct Orbit::Impl {
    gsl_odeiv2_system system{};
    gsl_odeiv2_driver *driver = nullptr;
    double t = 0;
    double y[6]{};
    int direction = 0;
    ~Impl() { gsl_odeiv2_driver_free(driver); }
};

namespace {
int derivatives(double t, const double y[], double dydt[], void *params)
{
    const auto *orbit = static_cast<const Orbit *>(params);
    const Vec r{y[0], y[1], y[2]}, v{y[3], y[4], y[5]};
    const Vec a = orbit->acceleration(t, r, v);
    for (int i = 0; i < 3; ++i) {
        dydt[i] = v[i];
        dydt[i + 3] = a[i];
    }
    return GSL_SUCCESS;
}

// Per-step error bounds: a few 1e-14 AU on positions of order 1 AU. The
// round trip 2022 -> 1900 -> 2022 then closes to well under a kilometre.
constexpr double AbsoluteTolerance = 1e-16;
constexpr double RelativeTolerance = 1e-14;
constexpr double FirstStepDays = 0.5;
} // namespace

State Orbit::initialState(const Options &options)
{
    using namespace elements;
    const double e = Eccentricity, a = SemiMajorAxisAu;
    const double m = MeanAnomalyDeg * Deg;
    // Kepler's equation by Newton's method; converges in a few steps for e < 0.3.
    double ea = m;
    for (int k = 0; k < 50; ++k) {
        const double step = (ea - e * std::sin(ea) - m) / (1 - e * std::cos(ea));
        ea -= step;
        if (std::abs(step) < 1e-16)
            break;
    }
    const double n = std::sqrt(SunGm / (a * a * a));
    const double b = a * std::sqrt(1 - e * e);
    const double eaDot = n / (1 - e * std::cos(ea));
    const Vec rPlane{a * (std::cos(ea) - e), b * std::sin(ea), 0};
    const Vec vPlane{-a * std::sin(ea) * eaDot, b * std::cos(ea) * eaDot, 0};

    // Orbital plane -> ecliptic: Rz(node) Rx(i) Rz(perihelion).
    const double w = PerihelionDeg * Deg, o = NodeDeg * Deg, i = InclinationDeg * Deg;
    const auto toEcliptic = [&](const Vec &p) {
        const double x1 = p[0] * std::cos(w) - p[1] * std::sin(w);
        const double y1 = p[0] * std::sin(w) + p[1] * std::cos(w);
        const double y2 = y1 * std::cos(i), z2 = y1 * std::sin(i);
        return Vec{x1 * std::cos(o) - y2 * std::sin(o), x1 * std::sin(o) + y2 * std::cos(o), z2};
    };
    State s;
    s.tdb = Mjd0 + EpochMjdTdb + options.epochShiftDays;
    s.r = eclipticToEquatorial(toEcliptic(rPlane), ObliquityJ2000);
    s.v = eclipticToEquatorial(toEcliptic(vPlane), ObliquityJ2000);
    return s;
}

Orbit::Orbit(const Options &options) : options_(options), impl_(std::make_unique<Impl>())
{
    impl_->system = gsl_odeiv2_system{derivatives, nullptr, 6, this};
    impl_->driver = gsl_odeiv2_driver_alloc_y_new(&impl_->system, gsl_odeiv2_step_rk8pd, FirstStepDays,
                                                  AbsoluteTolerance, RelativeTolerance);
    const State s = initialState(options);
    impl_->t = s.tdb;
    for (int i = 0; i < 3; ++i) {
        impl_->y[i] = s.r[i];
        impl_->y[i + 3] = s.v[i];
    }
}

Orbit::~Orbit() = default;

State Orbit::at(double tdb)
{
    if (tdb != impl_->t) {
        const int direction = tdb > impl_->t ? 1 : -1;
        if (direction != impl_->direction) {
            gsl_odeiv2_driver_reset_hstart(impl_->driver, direction * FirstStepDays);
            impl_->direction = direction;
        }
        const int status = gsl_odeiv2_driver_apply(impl_->driver, &impl_->t, tdb, impl_->y);
        if (status != GSL_SUCCESS)
            throw std::runtime_error(std::string("integration failed: ") + gsl_strerror(status));
    }
    State s;
    s.tdb = impl_->t;
    s.r = {impl_->y[0], impl_->y[1], impl_->y[2]};
    s.v = {impl_->y[3], impl_->y[4], impl_->y[5]};
    return s;
}

Vec Orbit::acceleration(double tdb, const Vec &r, const Vec &v) const
{
    const double rr = norm(r);
    Vec a = r * (-SunGm / (rr * rr * rr));
    // Heliocentric frame: each planet pulls on Eros and, through the Sun,
    // on the frame (the indirect term).
    for (int body = 1; body <= 8; ++body) {
        double pv[2][3];
        eraPlan94(Mjd0, tdb - Mjd0, body, pv);
        double reciprocal = ReciprocalMass[static_cast<std::size_t>(body - 1)];
        if (body == 3 && !options_.moonInEarthMass)
            reciprocal = EarthOnlyReciprocalMass;
        const double gm = SunGm / reciprocal;
        const Vec p = fromArray(pv[0]);
        const Vec d = p - r;
        const double dd = norm(d), pp = norm(p);
        a = a + d * (gm / (dd * dd * dd)) - p * (gm / (pp * pp * pp));
    }
    if (options_.relativity) {
        // The Sun's Schwarzschild field to first post-Newtonian order.
        const double f = SunGm / (C * C * rr * rr * rr);
        a = a + r * (f * (4 * SunGm / rr - dot(v, v))) + v * (f * 4 * dot(r, v));
    }
    return a;
}

double RoundTripErrorKm(double tdb)
{
    Orbit orbit;
    const State start = orbit.at(Orbit::initialState({}).tdb);
    orbit.at(tdb);
    const State back = orbit.at(start.tdb);
    return norm(back.r - start.r) * ERFA_DAU / 1000;
}

double DeltaT(double jdUt)
{
    int year, month, day;
    double fraction;
    eraJd2cal(jdUt, 0, &year, &month, &day, &fraction);
    const double y = year + (month - 0.5) / 12;
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1 / 233.0 + t / 2547.0));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1 / 260.0 - t / 718.0));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86
            + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double TdbFromUt(double jdUt)
{
    const double tt = jdUt + DeltaT(jdUt) / ERFA_DAYSEC;
    const double ut = jdUt + 0.5 - std::floor(jdUt + 0.5);
    // At the Earth's centre: the site-dependent terms are zero.
    return tt + eraDtdb(Mjd0, tt - Mjd0, ut, 0, 0, 0) / ERFA_DAYSEC;
}

double ApparentLongitude(Orbit &orbit, double tdb)
{
    const Earth earth = earthAt(tdb);
    const Vec rho = lightTimeCorrected(orbit, tdb, earth, earth.barycentric);
    double p[3] = {rho[0] / norm(rho), rho[1] / norm(rho), rho[2] / norm(rho)};
    double v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = earth.barycentricVelocity[static_cast<std::size_t>(i)] / C;
    const double bm1 = std::sqrt(1 - eraPm(v) * eraPm(v));
    double apparent[3];
    eraAb(p, v, norm(earth.heliocentric), bm1, apparent);

    // GCRS -> mean ecliptic and equinox of date (IAU 2006); nutation then
    // moves the equinox along the ecliptic by the nutation in longitude.
    // TDB stands in for TT here: they differ by under 2 ms.
    double rm[3][3];
    eraEcm06(Mjd0, tdb - Mjd0, rm);
    const Vec e = times(rm, fromArray(apparent));
    double lon = std::atan2(e[1], e[0]);
    if (orbit.options().nutation) {
        // IAU 2000B: within a milliarcsecond of the full series at a
        // twentieth of its cost, which dominated the run time.
        double dpsi, deps;
        eraNut00b(Mjd0, tdb - Mjd0, &dpsi, &deps);
        lon += dpsi;
    }
    return eraAnp(lon);
}

namespace {
double jdOfDay(int year, int month, int day)
{
    double djm0, djm;
    if (eraCal2jd(year, month, day, &djm0, &djm) != 0)
        throw std::invalid_argument("not a date");
    return djm0 + djm;
}

int signOfLongitude(double lon)
{
    const int sign = static_cast<int>(std::floor(lon / (Pi / 6)));
    return sign < 0 ? 0 : sign > 11 ? 11 : sign;
}
} // namespace

int SignOnDay(Orbit &orbit, int year, int month, int day)
{
    const double jdUt = jdOfDay(year, month, day) + orbit.options().hourUt / 24;
    return signOfLongitude(ApparentLongitude(orbit, TdbFromUt(jdUt)));
}

std::vector<Change> SignChanges(const Options &options, int fromYear, int toYear)
{
    const double first = jdOfDay(fromYear, 1, 1), last = jdOfDay(toYear, 12, 31);
    const auto days = static_cast<std::size_t>(last - first) + 1;
    std::vector<int> signs(days);
    const double epoch = Orbit::initialState(options).tdb;
    const auto tdbOf = [&](std::size_t i) { return TdbFromUt(first + double(i) + options.hourUt / 24); };
    // Outwards from the epoch both ways, so every step is a short one.
    std::size_t split = 0;
    while (split < days && tdbOf(split) < epoch)
        ++split;
    {
        Orbit backwards(options);
        for (std::size_t i = split; i-- > 0;)
            signs[i] = signOfLongitude(ApparentLongitude(backwards, tdbOf(i)));
    }
    {
        Orbit forwards(options);
        for (std::size_t i = split; i < days; ++i)
            signs[i] = signOfLongitude(ApparentLongitude(forwards, tdbOf(i)));
    }
    std::vector<Change> changes;
    for (std::size_t i = 0; i < days; ++i) {
        if (i > 0 && signs[i] == signs[i - 1])
            continue;
        Change c{};
        double fraction;
        eraJd2cal(first + double(i), 0, &c.year, &c.month, &c.day, &fraction);
        c.sign = signs[i];
        changes.push_back(c);
    }
    return changes;
}

double GeocentricDistance(Orbit &orbit, double tdb)
{
    return norm(orbit.at(tdb).r - earthAt(tdb).heliocentric);
}

Approach ClosestApproach(Orbit &orbit, double tdb, double days)
{
    // Hourly samples find the dip; Brent's method then narrows it.
    constexpr double step = 1.0 / 24;
    double best = tdb - days, bestDistance = GeocentricDistance(orbit, best);
    for (double t = tdb - days + step; t <= tdb + days; t += step) {
        const double d = GeocentricDistance(orbit, t);
        if (d < bestDistance) {
            best = t;
            bestDistance = d;
        }
    }
    struct Context {
        Orbit *orbit;
        double origin;
    } context{&orbit, best};
    gsl_function f;
    f.function = [](double x, void *p) {
        auto *c = static_cast<Context *>(p);
        return GeocentricDistance(*c->orbit, c->origin + x);
    };
    f.params = &context;
    gsl_min_fminimizer *m = gsl_min_fminimizer_alloc(gsl_min_fminimizer_brent);
    double x = 0, lower = -step, upper = step;
    if (gsl_min_fminimizer_set(m, &f, x, lower, upper) == GSL_SUCCESS) {
        for (int k = 0; k < 100; ++k) {
            gsl_min_fminimizer_iterate(m);
            x = gsl_min_fminimizer_x_minimum(m);
            lower = gsl_min_fminimizer_x_lower(m);
            upper = gsl_min_fminimizer_x_upper(m);
            if (gsl_min_test_interval(lower, upper, 1e-7, 0) == GSL_SUCCESS)
                break;
        }
    }
    gsl_min_fminimizer_free(m);
    return {best + x, GeocentricDistance(orbit, best + x)};
}

B1950Elements ElementsB1950(Orbit &orbit, double tdb)
{
    const State s = orbit.at(tdb);
    // J2000 -> mean equator and equinox of B1950.0 (IAU 1976 precession),
    // then onto that equinox's ecliptic (IAU 1980 obliquity).
    constexpr double B1950 = 2433282.42345905;
    double p[3][3];
    eraPmat76(Mjd0, B1950 - Mjd0, p);
    const double eps = eraObl80(Mjd0, B1950 - Mjd0);
    const Vec r = eclipticToEquatorial(times(p, s.r), -eps);
    const Vec v = eclipticToEquatorial(times(p, s.v), -eps);

    const Vec h = cross(r, v);
    const Vec ev = cross(v, h) * (1 / SunGm) - r * (1 / norm(r));
    B1950Elements el{};
    el.a = 1 / (2 / norm(r) - dot(v, v) / SunGm);
    el.e = norm(ev);
    el.i = std::acos(h[2] / norm(h)) / Deg;
    const double node = std::atan2(h[0], -h[1]);
    el.node = eraAnp(node) / Deg;
    const Vec toNode{std::cos(node), std::sin(node), 0};
    const Vec hUnit = h * (1 / norm(h));
    el.peri = eraAnp(std::atan2(dot(cross(toNode, ev), hUnit), dot(toNode, ev))) / Deg;
    const double nu = std::atan2(dot(cross(ev, r), hUnit), dot(ev, r));
    const double ea = 2 * std::atan(std::sqrt((1 - el.e) / (1 + el.e)) * std::tan(nu / 2));
    const double meanAnomaly = ea - el.e * std::sin(ea);
    el.perihelionTdb = tdb - meanAnomaly / std::sqrt(SunGm / (el.a * el.a * el.a));
    return el;
}

std::array<double, 2> AstrometricB1950(Orbit &orbit, double jdUt, const Site &site)
{
    const double tt = jdUt + DeltaT(jdUt) / ERFA_DAYSEC;
    const double tdb = TdbFromUt(jdUt);
    // The site in the GCRS: terrestrial position turned by the sidereal
    // time, then out of the true equator of date (polar motion and UT1-UTC
    // are below the observations' precision).
    double itrs[3];
    eraGd2gc(ERFA_WGS84, site.eastLongitudeDeg * Deg, site.latitudeDeg * Deg, site.heightM, itrs);
    const double gast = eraGst06a(jdUt, 0, tt, 0);
    const Vec trueOfDate{itrs[0] * std::cos(gast) - itrs[1] * std::sin(gast),
                         itrs[0] * std::sin(gast) + itrs[1] * std::cos(gast), itrs[2]};
    double npb[3][3];
    eraPnm06a(Mjd0, tt - Mjd0, npb);
    const Vec siteGcrs = transposeTimes(npb, trueOfDate) * (1 / ERFA_DAU);

    const Earth earth = earthAt(tdb);
    const Vec rho = lightTimeCorrected(orbit, tdb, earth, earth.barycentric + siteGcrs);
    double ra, dec;
    double u[3] = {rho[0], rho[1], rho[2]};
    eraC2s(u, &ra, &dec);
    double ra1950, dec1950, dra, ddec;
    eraFk54z(eraAnp(ra), dec, eraEpb(Mjd0, tt - Mjd0), &ra1950, &dec1950, &dra, &ddec);
    return {ra1950, dec1950};
}

} // namespace eros
