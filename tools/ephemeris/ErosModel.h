#pragma once

#include <array>
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
    double epochShiftDays = 0; // error in the elements' epoch
    double hourUt = 12; // hour of the day a date's sign is taken at
};

// Makes the named mistake in options; false for a name it does not know.
// Names: "element epoch +0.5 d", "no relativity", "Earth without the Moon",
// "no nutation", "sign at 0h UT".
bool ApplyFault(Options &options, std::string_view name);
std::vector<std::string_view> FaultNames();

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

// Apparent geocentric ecliptic longitude (radians, 0..2pi), equinox of date
// (true or mean as the options say), at a TDB instant.
double ApparentLongitude(Orbit &orbit, double tdb);

// Sign number 0 (Aries) .. 11 (Pisces) on a calendar day, taken at the
// options' hour of UT.
int SignOnDay(Orbit &orbit, int year, int month, int day);

struct Change {
    int year, month, day;
    int sign;
};
// The sign in force on the first day, then every day whose sign differs from
// the day before, through the last day inclusive.
std::vector<Change> SignChanges(const Options &options, int fromYear, int toYear);

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
