#pragma once

// Osculating elements of 433 Eros the integration starts from.
// Source: JPL Small-Body Database, orbit solution 659 of 433 Eros; also
// shipped by Debian's kstars-data in usr/share/kstars/asteroids.dat.
// Heliocentric, ecliptic and mean equinox J2000 (obliquity 84381.448").
namespace eros::elements {

inline constexpr double EpochMjdTdb = 59800.0; // 2022-08-09 0h TDB
inline constexpr double Eccentricity = 0.2227328427416296;
inline constexpr double SemiMajorAxisAu = 1.4581505451557;
inline constexpr double InclinationDeg = 10.82795835269297;
inline constexpr double NodeDeg = 304.2910556026917;
inline constexpr double PerihelionDeg = 178.9325148860407;
inline constexpr double MeanAnomalyDeg = 358.8212586092838;

} // namespace eros::elements
