#include "ErosModel.h"

#include "Elements.h"

#include <erfa.h>
#include <erfam.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_min.h>
#include <gsl/gsl_odeiv2.h>
#include <gsl/gsl_roots.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
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

// Vector from a barycentric observer at tdb to a body as its light left it.
// The body's light-time is at most ~25 minutes: its state that much earlier
// is taken from the state and acceleration at tdb (the next term is below a
// metre for Eros; the Sun's heliocentric state is zero).
Vec lightTimeCorrected(const Motion &m, const Earth &earth, const Vec &observer)
{
    double tau = 0;
    Vec rho{};
    for (int k = 0; k < 4; ++k) {
        const Vec helio = m.r - m.v * tau + m.a * (tau * tau / 2);
        rho = helio + (earth.sun - earth.sunVelocity * tau) - observer;
        tau = norm(rho) / C;
    }
    return rho;
}

// What GSL last reported, kept by our handler for the exception that follows.
thread_local std::string gslError;

void onGslError(const char *reason, const char *file, int line, int gslErrno)
{
    char text[512];
    std::snprintf(text, sizeof text, "%s (GSL error %d at %s:%d)", reason, gslErrno, file, line);
    gslError = text;
}

void checkGsl(int status, const char *what)
{
    if (status != GSL_SUCCESS)
        throw std::runtime_error(std::string(what) + ": " + (gslError.empty() ? gsl_strerror(status) : gslError));
}

using Minimizer = std::unique_ptr<gsl_min_fminimizer, decltype(&gsl_min_fminimizer_free)>;
using RootSolver = std::unique_ptr<gsl_root_fsolver, decltype(&gsl_root_fsolver_free)>;

Minimizer brentMinimizer()
{
    return Minimizer(gsl_min_fminimizer_alloc(gsl_min_fminimizer_brent), &gsl_min_fminimizer_free);
}

} // namespace

void InstallGslErrorHandler()
{
    static const bool installed = (gsl_set_error_handler(&onGslError), true);
    (void)installed;
}

namespace {
struct Fault {
    std::string_view name;
    void (*apply)(Options &);
};
constexpr Fault Faults[] = {
    {"element epoch 0.5 d early", [](Options &o) { o.epochShiftDays = -0.5; }},
    {"no relativity", [](Options &o) { o.relativity = false; }},
    {"Earth without the Moon", [](Options &o) { o.moonInEarthMass = false; }},
    {"no nutation", [](Options &o) { o.nutation = false; }},
    {"no aberration", [](Options &o) { o.aberration = false; }},
    {"J2000 ecliptic", [](Options &o) { o.eclipticOfDate = false; }},
    {"sign at 0h UT", [](Options &o) { o.hourUt = 0; }},
    {"sign at 11h UT", [](Options &o) { o.hourUt = 11; }},
    {"lookup one day late", [](Options &o) { o.hourUt = -12; }},
};
} // namespace

bool ApplyFault(Options &options, std::string_view name)
{
    for (const Fault &f : Faults) {
        if (f.name == name) {
            f.apply(options);
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> FaultNames()
{
    std::vector<std::string_view> names;
    for (const Fault &f : Faults)
        names.push_back(f.name);
    return names;
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

namespace {

// Heliocentric ecliptic elements of J2000, angles in degrees.
struct Kepler {
    double a, e, inclinationDeg, nodeDeg, perihelionDeg;
};

// Position and velocity, equatorial J2000, on the Keplerian orbit at mean
// anomaly m (radians).
State keplerState(const Kepler &k, double m)
{
    const double e = k.e, a = k.a;
    // Kepler's equation by Newton's method; converges in a few steps for e < 0.3.
    double ea = m;
    for (int j = 0; j < 50; ++j) {
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
    const double w = k.perihelionDeg * Deg, o = k.nodeDeg * Deg, i = k.inclinationDeg * Deg;
    const auto toEcliptic = [&](const Vec &p) {
        const double x1 = p[0] * std::cos(w) - p[1] * std::sin(w);
        const double y1 = p[0] * std::sin(w) + p[1] * std::cos(w);
        const double y2 = y1 * std::cos(i), z2 = y1 * std::sin(i);
        return Vec{x1 * std::cos(o) - y2 * std::sin(o), x1 * std::sin(o) + y2 * std::cos(o), z2};
    };
    State s;
    s.r = eclipticToEquatorial(toEcliptic(rPlane), ObliquityJ2000);
    s.v = eclipticToEquatorial(toEcliptic(vPlane), ObliquityJ2000);
    return s;
}

// The three largest minor planets, which the model leaves out (Options::
// minorPlanets measures what they would change), on fixed Keplerian orbits:
// good for the size of their pull, not for their places decades away.
// Elements: MPC's, epoch JD 2460000.5 TT, as Stellarium ships them
// (data/ssystem_minor.ini); GM in km^3/s^2 from JPL Horizons' physical data.
struct MinorPlanet {
    Kepler orbit;
    double meanAnomalyDeg, meanMotionDegPerDay, gmKm3s2;
};
constexpr double MinorPlanetEpoch = 2460000.5;
constexpr MinorPlanet MinorPlanets[] = {
    {{2.7671817, 0.0788175, 10.58634, 80.26013, 73.47045}, 17.21569, 0.21411523, 62.6284}, // Ceres
    {{2.3630382, 0.0887575, 7.13926, 103.75733, 151.59911}, 115.13302, 0.27133009, 17.288}, // Vesta
    {{2.7696317, 0.2300844, 34.92703, 172.91814, 310.8648}, 357.84942, 0.21383118, 13.63}, // Pallas
};
constexpr double SunGmKm3s2 = 1.32712440018e11;

} // namespace

State Orbit::initialState(const Options &options)
{
    using namespace elements;
    State s = keplerState({SemiMajorAxisAu, Eccentricity, InclinationDeg, NodeDeg, PerihelionDeg}, MeanAnomalyDeg * Deg);
    s.tdb = Mjd0 + EpochMjdTdb + options.epochShiftDays;
    return s;
}

Orbit::Orbit(const Options &options) : options_(options), impl_(std::make_unique<Impl>())
{
    InstallGslErrorHandler();
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
        checkGsl(gsl_odeiv2_driver_apply(impl_->driver, &impl_->t, tdb, impl_->y), "integration failed");
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
    if (options_.minorPlanets) {
        for (const MinorPlanet &mp : MinorPlanets) {
            const double m = (mp.meanAnomalyDeg + mp.meanMotionDegPerDay * (tdb - MinorPlanetEpoch)) * Deg;
            const Vec p = keplerState(mp.orbit, m).r;
            const double gm = SunGm * mp.gmKm3s2 / SunGmKm3s2;
            const Vec d = p - r;
            const double dd = norm(d), pp = norm(p);
            a = a + d * (gm / (dd * dd * dd)) - p * (gm / (pp * pp * pp));
        }
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

Body ErosBody(Orbit &orbit)
{
    return [&orbit](double tdb) {
        const State s = orbit.at(tdb);
        return Motion{s.r, s.v, orbit.acceleration(tdb, s.r, s.v)};
    };
}

Body SunBody()
{
    return [](double) { return Motion{}; };
}

double ApparentLongitude(const Options &options, const Body &body, double tdb)
{
    const Earth earth = earthAt(tdb);
    const Vec rho = lightTimeCorrected(body(tdb), earth, earth.barycentric);
    double p[3] = {rho[0] / norm(rho), rho[1] / norm(rho), rho[2] / norm(rho)};
    if (options.lightDeflection) {
        // The body seen from the Sun, the Earth from the Sun; the body's
        // light-time shift of the Sun is below the effect's precision.
        const Vec fromSun = rho + earth.heliocentric;
        double q[3] = {fromSun[0] / norm(fromSun), fromSun[1] / norm(fromSun), fromSun[2] / norm(fromSun)};
        const double em = norm(earth.heliocentric);
        double e[3] = {earth.heliocentric[0] / em, earth.heliocentric[1] / em, earth.heliocentric[2] / em};
        double deflected[3];
        eraLd(1.0, p, q, e, em, 1e-9, deflected);
        for (int i = 0; i < 3; ++i)
            p[i] = deflected[i];
    }
    double apparent[3] = {p[0], p[1], p[2]};
    if (options.aberration) {
        double v[3];
        for (int i = 0; i < 3; ++i)
            v[i] = earth.barycentricVelocity[static_cast<std::size_t>(i)] / C;
        const double bm1 = std::sqrt(1 - eraPm(v) * eraPm(v));
        eraAb(p, v, norm(earth.heliocentric), bm1, apparent);
    }

    // GCRS -> mean ecliptic and equinox of date (IAU 2006); nutation then
    // moves the equinox along the ecliptic by the nutation in longitude.
    // TDB stands in for TT here: they differ by under 2 ms.
    double rm[3][3];
    if (options.eclipticOfDate)
        eraEcm06(Mjd0, tdb - Mjd0, rm);
    else
        eraEcm06(ERFA_DJ00, 0, rm);
    const Vec e = times(rm, fromArray(apparent));
    double lon = std::atan2(e[1], e[0]);
    if (options.nutation && options.eclipticOfDate) {
        // IAU 2000B: within a milliarcsecond of the full series at a
        // twentieth of its cost, which dominated the run time.
        double dpsi, deps;
        eraNut00b(Mjd0, tdb - Mjd0, &dpsi, &deps);
        lon += dpsi;
    }
    return eraAnp(lon);
}

double ApparentLongitude(Orbit &orbit, double tdb)
{
    return ApparentLongitude(orbit.options(), ErosBody(orbit), tdb);
}

double JdUtOfMinute(double minute)
{
    return UnixEpochJd + minute / 1440;
}

int SignOfLongitude(double lon)
{
    const int sign = static_cast<int>(std::floor(lon / (Pi / 6)));
    return sign < 0 ? 0 : sign > 11 ? 11 : sign;
}

int SignHistory::signAt(long long minute) const
{
    int sign = first;
    for (const Crossing &c : crossings) {
        if (c.minute > minute)
            break;
        sign = c.to;
    }
    return sign;
}

namespace {

constexpr long long MinutesPerDay = 1440;
constexpr long long NoonMinute = 720;

// The signed angle from b to a, -pi..pi.
double difference(double a, double b)
{
    return eraAnpm(a - b);
}

struct Point {
    double minute;
    double lon;
    bool whole; // a whole minute (a noon or an end), whose sign the data must keep
};

// Walks the points in the order given (forwards or backwards in time),
// finding the crossings between each two and, where the longitude turns,
// the turning point first, so that between any two points it is monotone.
class Walk
{
public:
    Walk(const std::function<double(double)> &longitudeAtMinute, SignHistory &history)
        : lonAt_(longitudeAtMinute), history_(history)
    {
    }

    void add(const Point &p)
    {
        points_.push_back(p);
        const std::size_t n = points_.size();
        if (n >= 3)
            turnAt(n - 2);
        // Every point before the one just checked for a turn is final.
        while (done_ + 2 < points_.size()) {
            crossingsBetween(points_[done_], points_[done_ + 1]);
            ++done_;
        }
    }

    void finish()
    {
        for (; done_ + 1 < points_.size(); ++done_)
            crossingsBetween(points_[done_], points_[done_ + 1]);
    }

private:
    // Where the longitude turns about points_[i], the turning point itself
    // (a least or greatest longitude, found by Brent's method) joins them.
    void turnAt(std::size_t i)
    {
        const Point a = points_[i - 1], b = points_[i], c = points_[i + 1];
        const double before = difference(b.lon, a.lon), after = difference(c.lon, b.lon);
        if (before * after >= 0)
            return;
        // Minimise the longitude (or its negative) relative to b's.
        struct Context {
            const std::function<double(double)> *lonAt;
            double reference, sign;
        } context{&lonAt_, b.lon, before > 0 ? -1.0 : 1.0};
        gsl_function f;
        f.function = [](double x, void *p) {
            auto *ctx = static_cast<Context *>(p);
            return ctx->sign * difference((*ctx->lonAt)(x), ctx->reference);
        };
        f.params = &context;
        const double lower = std::min(a.minute, c.minute), upper = std::max(a.minute, c.minute);
        const Minimizer m = brentMinimizer();
        checkGsl(gsl_min_fminimizer_set(m.get(), &f, b.minute, lower, upper), "turning point");
        double lo = lower, hi = upper;
        for (int k = 0; k < 100 && gsl_min_test_interval(lo, hi, 1.0 / 60, 0) != GSL_SUCCESS; ++k) {
            checkGsl(gsl_min_fminimizer_iterate(m.get()), "turning point");
            lo = gsl_min_fminimizer_x_lower(m.get());
            hi = gsl_min_fminimizer_x_upper(m.get());
        }
        const double x = gsl_min_fminimizer_x_minimum(m.get());
        if (x == b.minute)
            return;
        const Point turn{x, lonAt_(x), false};
        // Between b and whichever neighbour lies on the turn's side.
        const bool beforeB = (x < b.minute) == (a.minute < b.minute);
        points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(beforeB ? i : i + 1), turn);
    }

    void crossingsBetween(const Point &p, const Point &q)
    {
        const Point &early = p.minute < q.minute ? p : q, &late = p.minute < q.minute ? q : p;
        const int from = SignOfLongitude(early.lon), to = SignOfLongitude(late.lon);
        noteNoon(early);
        if (from == to)
            return;
        const int step = (to - from + 12) % 12;
        if (step != 1 && step != 11)
            throw std::runtime_error("the longitude moved more than a sign between two samples");
        const double boundary = (step == 1 ? to : from) * (Pi / 6);
        struct Context {
            const std::function<double(double)> *lonAt;
            double boundary;
        } context{&lonAt_, boundary};
        gsl_function f;
        f.function = [](double x, void *c) {
            auto *ctx = static_cast<Context *>(c);
            return difference((*ctx->lonAt)(x), ctx->boundary);
        };
        f.params = &context;
        const RootSolver solver(gsl_root_fsolver_alloc(gsl_root_fsolver_brent), &gsl_root_fsolver_free);
        checkGsl(gsl_root_fsolver_set(solver.get(), &f, early.minute, late.minute), "crossing");
        double lo = early.minute, hi = late.minute;
        // To a second (a sixtieth of a minute), and better.
        for (int k = 0; k < 100 && gsl_root_test_interval(lo, hi, 0.1 / 60, 0) != GSL_SUCCESS; ++k) {
            checkGsl(gsl_root_fsolver_iterate(solver.get()), "crossing");
            lo = gsl_root_fsolver_x_lower(solver.get());
            hi = gsl_root_fsolver_x_upper(solver.get());
        }
        const double root = gsl_root_fsolver_root(solver.get());
        // The first whole minute after the moment; a whole-minute sample
        // keeps its own sign: a moment at its end stays inside it.
        long long minute = static_cast<long long>(std::floor(root)) + 1;
        if (late.whole)
            minute = std::min(minute, std::llround(late.minute));
        history_.crossings.push_back({root, minute, from, to});
    }

    void noteNoon(const Point &p)
    {
        if (!p.whole)
            return;
        const long long minute = std::llround(p.minute);
        if (((minute % MinutesPerDay) + MinutesPerDay) % MinutesPerDay != NoonMinute)
            return;
        const double toBoundary = std::abs(difference(p.lon, std::round(p.lon / (Pi / 6)) * (Pi / 6))) / ERFA_DAS2R;
        if (toBoundary < NearNoonArcsec)
            history_.nearNoons.push_back({minute, toBoundary});
    }

    const std::function<double(double)> &lonAt_;
    SignHistory &history_;
    std::vector<Point> points_;
    std::size_t done_ = 0;
};

// The sample minutes: the first minute, every noon after it, and the end.
std::vector<double> sampleMinutes(long long fromMinute, long long toMinute)
{
    std::vector<double> minutes{double(fromMinute)};
    long long noon = fromMinute - ((fromMinute % MinutesPerDay) + MinutesPerDay) % MinutesPerDay + NoonMinute;
    if (noon <= fromMinute)
        noon += MinutesPerDay;
    for (; noon < toMinute; noon += MinutesPerDay)
        minutes.push_back(double(noon));
    minutes.push_back(double(toMinute));
    return minutes;
}

// Sorts the crossings found, drops pairs that fall in the same written
// minute (the sign there is as if neither happened), moves them by the
// options' hour and keeps those inside the range.
void finishHistory(const Options &options, SignHistory &history, long long fromMinute, long long toMinute)
{
    auto &cs = history.crossings;
    std::sort(cs.begin(), cs.end(), [](const Crossing &a, const Crossing &b) { return a.moment < b.moment; });
    std::vector<Crossing> kept;
    for (const Crossing &c : cs) {
        if (!kept.empty() && kept.back().minute == c.minute && kept.back().from == c.to)
            kept.pop_back();
        else
            kept.push_back(c);
    }
    int sign = history.first;
    for (const Crossing &c : kept) {
        if (c.from != sign)
            throw std::runtime_error("crossings do not join: a crossing was missed");
        sign = c.to;
    }
    const long long shift = std::llround((12 - options.hourUt) * 60);
    cs.clear();
    for (Crossing c : kept) {
        c.minute += shift;
        if (c.minute > fromMinute && c.minute < toMinute)
            cs.push_back(c);
    }
    auto &near = history.nearNoons;
    std::sort(near.begin(), near.end(), [](const NearNoon &a, const NearNoon &b) { return a.minute < b.minute; });
    near.erase(std::unique(near.begin(), near.end(),
                           [](const NearNoon &a, const NearNoon &b) { return a.minute == b.minute; }),
               near.end());
}

} // namespace

SignHistory Crossings(const Options &options, const std::function<double(double tdb)> &longitude,
                      long long fromMinute, long long toMinute)
{
    InstallGslErrorHandler();
    const std::function<double(double)> lonAt = [&](double minute) {
        return longitude(TdbFromUt(JdUtOfMinute(minute)));
    };
    SignHistory history;
    Walk walk(lonAt, history);
    for (double minute : sampleMinutes(fromMinute, toMinute)) {
        const Point p{minute, lonAt(minute), true};
        if (minute == double(fromMinute))
            history.first = SignOfLongitude(p.lon);
        walk.add(p);
    }
    walk.finish();
    finishHistory(options, history, fromMinute, toMinute);
    return history;
}

SignHistory ErosCrossings(const Options &options, long long fromMinute, long long toMinute)
{
    InstallGslErrorHandler();
    const std::vector<double> minutes = sampleMinutes(fromMinute, toMinute);
    const double epoch = Orbit::initialState(options).tdb;
    // Outwards from the epoch both ways, so every step is a short one; the
    // sample just before the epoch starts both walks.
    std::size_t split = 0;
    while (split < minutes.size() && TdbFromUt(JdUtOfMinute(minutes[split])) < epoch)
        ++split;
    SignHistory history;
    Orbit backwardOrbit(options), forwardOrbit(options);
    const auto lonWith = [&](Orbit &orbit) {
        return std::function<double(double)>(
            [&orbit](double minute) { return ApparentLongitude(orbit, TdbFromUt(JdUtOfMinute(minute))); });
    };
    const std::function<double(double)> backwardLon = lonWith(backwardOrbit), forwardLon = lonWith(forwardOrbit);
    std::vector<double> lons(minutes.size());
    {
        Walk walk(backwardLon, history);
        for (std::size_t i = split; i-- > 0;) {
            lons[i] = backwardLon(minutes[i]);
            walk.add({minutes[i], lons[i], true});
        }
        walk.finish();
    }
    {
        Walk walk(forwardLon, history);
        if (split > 0)
            walk.add({minutes[split - 1], lons[split - 1], true});
        for (std::size_t i = split; i < minutes.size(); ++i) {
            lons[i] = forwardLon(minutes[i]);
            walk.add({minutes[i], lons[i], true});
        }
        walk.finish();
    }
    history.first = SignOfLongitude(lons.front());
    finishHistory(options, history, fromMinute, toMinute);
    return history;
}

std::vector<double> ErosLongitudes(const Options &options, const std::vector<double> &minutes)
{
    InstallGslErrorHandler();
    const double epoch = Orbit::initialState(options).tdb;
    std::vector<double> lons(minutes.size());
    std::size_t split = 0;
    while (split < minutes.size() && TdbFromUt(JdUtOfMinute(minutes[split])) < epoch)
        ++split;
    Orbit backward(options), forward(options);
    for (std::size_t i = split; i-- > 0;)
        lons[i] = ApparentLongitude(backward, TdbFromUt(JdUtOfMinute(minutes[i])));
    for (std::size_t i = split; i < minutes.size(); ++i)
        lons[i] = ApparentLongitude(forward, TdbFromUt(JdUtOfMinute(minutes[i])));
    return lons;
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
    InstallGslErrorHandler();
    const Minimizer m = brentMinimizer();
    // A least distance at the window's edge may lie outside it: GSL then
    // finds no minimum, and the call fails, naming it.
    checkGsl(gsl_min_fminimizer_set(m.get(), &f, 0, -step, step), "closest approach");
    double lower = -step, upper = step;
    for (int k = 0; k < 100 && gsl_min_test_interval(lower, upper, 1e-7, 0) != GSL_SUCCESS; ++k) {
        checkGsl(gsl_min_fminimizer_iterate(m.get()), "closest approach");
        lower = gsl_min_fminimizer_x_lower(m.get());
        upper = gsl_min_fminimizer_x_upper(m.get());
    }
    const double x = gsl_min_fminimizer_x_minimum(m.get());
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
    const Vec rho = lightTimeCorrected(ErosBody(orbit)(tdb), earth, earth.barycentric + siteGcrs);
    double ra, dec;
    double u[3] = {rho[0], rho[1], rho[2]};
    eraC2s(u, &ra, &dec);
    double ra1950, dec1950, dra, ddec;
    eraFk54z(eraAnp(ra), dec, eraEpb(Mjd0, tt - Mjd0), &ra1950, &dec1950, &dra, &ddec);
    return {ra1950, dec1950};
}

} // namespace eros
