#pragma once

// The years the program answers for, defined here once. The window's year
// list, the command line's help and messages, the tests and, through CMake
// (which reads this file: cmake/Years.cmake), the manual page, the AppStream
// description and the test scripts' environment all take them from here.
namespace astro {

// Any date from the first day of EarliestYear to the last of LatestYear:
// the computed ephemeris, around the table.
inline constexpr int EarliestYear = 1900;
inline constexpr int LatestYear = 2100;

// The years of the original table, which answers for them.
inline constexpr int FirstYear = 1940;
inline constexpr int LastYear = 1990;

static_assert(EarliestYear <= FirstYear && FirstYear <= LastYear && LastYear <= LatestYear);

// Whether the original table answers for the year, rather than the sky.
constexpr bool IsTableYear(int year)
{
    return year >= FirstYear && year <= LastYear;
}

// Whether any lookup answers for the year.
constexpr bool IsAnsweredYear(int year)
{
    return year >= EarliestYear && year <= LatestYear;
}

} // namespace astro
