#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// Eros's orbit from one set of osculating elements, integrated under the Sun
// and the eight planets, and its place as seen from the Earth's centre.
// Times are Julian dates; vectors are heliocentric, equatorial J2000, in AU
// and AU/day.
namespace eros {

using Vec = std::array<double, 3>;

// Every part of the model that a mistake could drop or shift, so the checks
// against published figures can be run with that mistake made.
struct Options {
    bool relativity = true; // the Sun's post-Newtonian term
    bool moonInEarthMass = true; // Earth and Moon as one body
    bool nutation = true; // true equinox of date rather than mean
    bool aberration = true; // annual aberration
    bool eclipticOfDate = true; // ecliptic and equinox of date rather than of J2000
    // Left out, and measured by eros-ephemeris --left-out: the Sun's bending
    // of the light, and the pull of the three largest minor planets.
    bool lightDeflection = false;
    bool minorPlanets = false;
    double epochShiftDays = 0; // error in the elements' epoch
    // The hour of UT the lookup's day sign ends up taken at: written moments
    // move by 12 - hourUt hours, so -12 is the lookup one day late.
    double hourUt = 12;
};

// Makes the named mistake in options; false for a name it does not know.
// Names: "element epoch 0.5 d early", "no relativity", "Earth without the
// Moon", "no nutation", "no aberration", "J2000 ecliptic", "sign at 0h UT",
// "sign at 11h UT", "lookup one day late".
bool ApplyFault(Options &options, std::string_view name);
std::vector<std::string_view> FaultNames();

// GSL's errors (a minimizer given no minimum, an integration that fails)
// are recorded by a handler of ours instead of aborting the process, and
// the call that met one throws std::runtime_error naming it.
void InstallGslErrorHandler();

struct State {
    double tdb = 0;
    Vec r{};
    Vec v{};
};

class Orbit
{
public:
    explicit Orbit(const Options &options = {});
    ~Orbit();
    Orbit(const Orbit &) = delete;
    Orbit &operator=(const Orbit &) = delete;

    // The state at tdb, integrated from the last state reached, so a run of
    // nearby times costs a few steps each.
    State at(double tdb);
    Vec acceleration(double tdb, const Vec &r, const Vec &v) const;
    const Options &options() const { return options_; }

    // The state the integration starts from, at the elements' epoch.
    static State initialState(const Options &options);

private:
    struct Impl;
    Options options_;
    std::unique_ptr<Impl> impl_;
};

// Distance in km between the initial state and the one reached by
// integrating to tdb and back again.
double RoundTripErrorKm(double tdb);

// Espenak and Meeus's polynomial for TT - UT, in seconds.
double DeltaT(double jdUt);
double TdbFromUt(double jdUt);

// A body's heliocentric position (AU), velocity (AU/day) and acceleration
// (AU/day^2), equatorial J2000, at a TDB instant.
struct Motion {
    Vec r{}, v{}, a{};
};
using Body = std::function<Motion(double tdb)>;
Body ErosBody(Orbit &orbit);
Body SunBody(); // the Sun: at the origin, unmoving

// Apparent geocentric ecliptic longitude (radians, 0..2pi) of a body at a
// TDB instant: light-time, annual aberration, and the ecliptic and equinox
// of date (true or mean, as the options say). Eros and the Sun both go
// through it.
double ApparentLongitude(const Options &options, const Body &body, double tdb);
double ApparentLongitude(Orbit &orbit, double tdb);

// UT as minutes since 1970-01-01T00:00Z, the unit of the written moments.
inline constexpr double UnixEpochJd = 2440587.5;
double JdUtOfMinute(double minute);

// Sign number 0 (Aries) .. 11 (Pisces) of a longitude in radians.
int SignOfLongitude(double lon);

// A crossing of a 30 degree boundary of apparent longitude.
struct Crossing {
    double moment; // UT minutes since 1970, found to a second
    long long minute; // as written: the first whole minute after the moment
                      // (moved by 12 - hourUt hours when a fault says so)
    int from, to;
};
// A noon (UT) whose longitude lies near a sign boundary.
struct NearNoon {
    long long minute;
    double arcsec; // distance to the boundary
};
struct SignHistory {
    int first = 0; // the sign at the first minute
    std::vector<Crossing> crossings; // in time order, written minutes increasing
    std::vector<NearNoon> nearNoons; // noons within NearNoonArcsec of a boundary
    // The sign in force at a written minute.
    int signAt(long long minute) const;
};
inline constexpr double NearNoonArcsec = 10;

// Every crossing of the body's apparent longitude (a function of TDB) from
// fromMinute up to toMinute, UT. Sampled at every noon UT (so a day's sign at
// noon is exactly the sampled one) and at every turn of direction, each
// crossing then found by Brent's method.
SignHistory Crossings(const Options &options, const std::function<double(double tdb)> &longitude,
                      long long fromMinute, long long toMinute);
// The same for Eros, integrated outwards from the elements' epoch.
SignHistory ErosCrossings(const Options &options, long long fromMinute, long long toMinute);

// Eros's apparent longitude (radians) at each of the UT minutes, which are
// in increasing order; integrated outwards from the elements' epoch.
std::vector<double> ErosLongitudes(const Options &options, const std::vector<double> &minutes);

// Geometric distance between the Earth's centre and Eros, AU.
double GeocentricDistance(Orbit &orbit, double tdb);

struct Approach {
    double tdb;
    double distanceAu;
};
// The least geocentric distance within days of tdb.
Approach ClosestApproach(Orbit &orbit, double tdb, double days);

// Osculating heliocentric elements referred to the ecliptic and mean equinox
// of B1950.0, angles in degrees, perihelion time as a TDB Julian date.
struct B1950Elements {
    double a, e, i, node, peri, perihelionTdb;
};
B1950Elements ElementsB1950(Orbit &orbit, double tdb);

// Astrometric place seen from a site on the Earth, as a plate measured
// against FK4 catalogue stars gives it: right ascension and declination for
// equinox B1950.0, radians.
struct Site {
    double eastLongitudeDeg, latitudeDeg, heightM;
};
std::array<double, 2> AstrometricB1950(Orbit &orbit, double jdUt, const Site &site);

} // namespace eros
