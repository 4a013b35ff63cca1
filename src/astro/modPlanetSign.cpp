#include "astro/modPlanetSign.h"

#include "astro/Calendar.h"

#include <array>

namespace astro {

namespace {

struct ChangePoint {
    unsigned char month;
    unsigned char day;
    Sign sign;
};

// Most change points any year has.
constexpr std::size_t MaxChanges = 10;

struct YearRow {
    int year;
    Sign first; // in force from 1 January
    std::array<ChangePoint, MaxChanges> changes; // ordered; unused slots have month 0
};

using enum Sign;

// One row per year. This is data, not astronomy: irregular entries (1940's
// back-and-forth, 1948 without Libra, 1980 without Pisces, day numbers a
// month lacks) are kept exactly as published. Rows do not carry over.
constexpr std::array<YearRow, LastYear - FirstYear + 1> Table = {{
    {1940, Scorpio, {{{2, 1, Sagittarius}, {3, 1, Capricorn}, {3, 26, Sagittarius}, {4, 1, Capricorn}, {6, 6, Sagittarius}, {9, 29, Capricorn}, {11, 30, Aquarius}}}},
    {1941, Aquarius, {{{1, 21, Pisces}, {3, 8, Aries}, {4, 18, Taurus}, {5, 25, Gemini}, {6, 29, Cancer}, {8, 1, Leo}, {9, 2, Virgo}, {10, 6, Libra}, {11, 11, Scorpio}, {12, 21, Sagittarius}}}},
    {1942, Sagittarius, {{{2, 3, Capricorn}, {3, 27, Aquarius}, {12, 11, Pisces}}}},
    {1943, Pisces, {{{1, 28, Aries}, {3, 8, Taurus}, {4, 12, Gemini}, {5, 15, Cancer}, {6, 17, Leo}, {7, 20, Virgo}, {8, 24, Libra}, {9, 31, Scorpio}, {11, 12, Sagittarius}, {12, 28, Capricorn}}}},
    {1944, Capricorn, {{{2, 16, Aquarius}, {4, 9, Pisces}, {6, 5, Aries}, {8, 9, Taurus}, {11, 7, Aries}}}},
    {1945, Aries, {{{1, 2, Taurus}, {2, 15, Gemini}, {3, 20, Cancer}, {4, 21, Leo}, {5, 26, Virgo}, {7, 3, Libra}, {8, 16, Scorpio}, {10, 3, Sagittarius}, {11, 22, Capricorn}}}},
    {1946, Capricorn, {{{1, 12, Aquarius}, {3, 3, Pisces}, {4, 21, Aries}, {6, 5, Taurus}, {7, 16, Gemini}, {8, 22, Cancer}, {9, 25, Leo}, {10, 27, Virgo}, {11, 28, Libra}}}},
    {1947, Scorpio, {{{2, 11, Sagittarius}, {10, 10, Capricorn}, {12, 8, Aquarius}}}},
    {1948, Aquarius, {{{1, 28, Pisces}, {3, 14, Aries}, {4, 24, Taurus}, {7, 6, Gemini}, {8, 8, Cancer}, {9, 10, Leo}, {10, 13, Virgo}, {11, 17, Scorpio}, {12, 26, Sagittarius}}}},
    {1949, Sagittarius, {{{2, 9, Capricorn}, {4, 5, Aquarius}, {8, 25, Capricorn}, {10, 10, Aquarius}, {12, 19, Pisces}}}},
    {1950, Pisces, {{{2, 3, Aries}, {3, 15, Taurus}, {4, 20, Gemini}, {5, 23, Cancer}, {6, 25, Leo}, {7, 28, Virgo}, {9, 1, Libra}, {10, 8, Scorpio}, {11, 19, Sagittarius}}}},
    {1951, Sagittarius, {{{1, 3, Capricorn}, {2, 22, Aquarius}, {4, 17, Pisces}, {6, 18, Aries}, {11, 13, Pisces}, {11, 21, Aries}}}},
    {1952, Aries, {{{1, 25, Taurus}, {2, 30, Gemini}, {4, 3, Cancer}, {5, 5, Leo}, {6, 7, Virgo}, {7, 14, Libra}, {8, 25, Scorpio}, {10, 11, Sagittarius}, {11, 29, Capricorn}}}},
    {1953, Capricorn, {{{1, 18, Aquarius}, {3, 9, Pisces}, {4, 28, Aries}, {6, 13, Taurus}, {7, 26, Gemini}, {9, 1, Cancer}, {10, 5, Leo}, {11, 6, Virgo}, {12, 8, Libra}}}},
    {1954, Libra, {{{1, 12, Scorpio}, {2, 26, Sagittarius}, {5, 17, Scorpio}, {8, 13, Sagittarius}, {10, 20, Capricorn}, {12, 14, Aquarius}}}},
    {1955, Aquarius, {{{2, 3, Pisces}, {3, 21, Aries}, {5, 2, Taurus}, {6, 10, Gemini}, {7, 15, Cancer}, {8, 17, Leo}, {9, 19, Virgo}, {10, 22, Libra}, {11, 26, Scorpio}}}},
    {1956, Scorpio, {{{1, 3, Sagittarius}, {2, 17, Capricorn}, {4, 16, Aquarius}, {7, 22, Capricorn}, {10, 28, Aquarius}, {12, 26, Pisces}}}},
    {1957, Pisces, {{{2, 11, Aries}, {3, 22, Taurus}, {4, 28, Gemini}, {5, 31, Cancer}, {7, 3, Leo}, {8, 5, Virgo}, {9, 8, Libra}, {10, 16, Scorpio}, {11, 25, Sagittarius}}}},
    {1958, Sagittarius, {{{1, 10, Capricorn}, {2, 28, Aquarius}, {4, 25, Pisces}, {7, 26, Aries}, {9, 13, Pisces}, {12, 23, Aries}}}},
    {1959, Aries, {{{2, 5, Taurus}, {3, 13, Gemini}, {4, 14, Cancer}, {5, 16, Leo}, {6, 19, Virgo}, {7, 25, Libra}, {9, 4, Scorpio}, {10, 19, Sagittarius}, {12, 6, Capricorn}}}},
    {1960, Capricorn, {{{1, 25, Aquarius}, {3, 17, Pisces}, {5, 6, Aries}, {6, 23, Taurus}, {8, 6, Gemini}, {9, 14, Cancer}, {10, 18, Leo}, {11, 19, Virgo}, {12, 22, Libra}}}},
    {1961, Libra, {{{1, 27, Scorpio}, {8, 29, Sagittarius}, {10, 28, Capricorn}, {12, 21, Aquarius}}}},
    {1962, Aquarius, {{{2, 9, Pisces}, {3, 29, Aries}, {5, 10, Taurus}, {6, 18, Gemini}, {7, 24, Cancer}, {8, 26, Leo}, {9, 28, Virgo}, {10, 30, Libra}, {12, 4, Scorpio}}}},
    {1963, Scorpio, {{{1, 11, Sagittarius}, {2, 25, Capricorn}, {5, 5, Aquarius}, {6, 18, Capricorn}, {11, 9, Aquarius}}}},
    {1964, Aquarius, {{{1, 4, Pisces}, {2, 19, Aries}, {3, 31, Taurus}, {5, 6, Gemini}, {6, 9, Cancer}, {7, 12, Leo}, {8, 14, Virgo}, {9, 17, Libra}, {10, 24, Scorpio}, {12, 3, Sagittarius}}}},
    {1965, Sagittarius, {{{1, 16, Capricorn}, {3, 7, Aquarius}, {5, 4, Pisces}}}},
    {1966, Pisces, {{{1, 5, Aries}, {2, 16, Taurus}, {3, 23, Gemini}, {4, 24, Cancer}, {5, 27, Leo}, {6, 29, Virgo}, {8, 4, Libra}, {9, 13, Scorpio}, {10, 27, Sagittarius}, {12, 13, Capricorn}}}},
    {1967, Capricorn, {{{1, 31, Aquarius}, {3, 24, Pisces}, {5, 15, Aries}, {7, 4, Taurus}, {8, 20, Gemini}, {9, 30, Cancer}, {11, 6, Leo}, {12, 10, Virgo}}}},
    {1968, Virgo, {{{1, 15, Libra}, {7, 13, Scorpio}, {9, 10, Sagittarius}, {11, 4, Capricorn}, {12, 27, Aquarius}}}},
    {1969, Aquarius, {{{2, 15, Pisces}, {4, 4, Aries}, {5, 17, Taurus}, {6, 26, Gemini}, {8, 1, Cancer}, {9, 3, Leo}, {10, 6, Virgo}, {11, 7, Libra}, {12, 12, Scorpio}}}},
    {1970, Scorpio, {{{1, 18, Sagittarius}, {3, 6, Capricorn}, {12, 1, Aquarius}}}},
    {1971, Aquarius, {{{1, 10, Pisces}, {2, 26, Aries}, {4, 7, Taurus}, {5, 14, Gemini}, {6, 17, Cancer}, {7, 20, Leo}, {8, 22, Virgo}, {9, 25, Libra}, {10, 31, Scorpio}, {12, 10, Sagittarius}}}},
    {1972, Sagittarius, {{{1, 23, Capricorn}, {3, 13, Aquarius}, {5, 15, Pisces}, {9, 3, Aquarius}, {11, 20, Pisces}}}},
    {1973, Pisces, {{{1, 14, Aries}, {2, 24, Taurus}, {3, 31, Gemini}, {5, 3, Cancer}, {6, 4, Leo}, {7, 7, Virgo}, {8, 12, Libra}, {9, 20, Scorpio}, {11, 2, Sagittarius}, {12, 19, Capricorn}}}},
    {1974, Capricorn, {{{2, 5, Aquarius}, {3, 30, Pisces}, {5, 22, Aries}, {7, 14, Taurus}, {9, 5, Gemini}, {10, 28, Cancer}}}},
    {1975, Cancer, {{{2, 1, Leo}, {3, 1, Virgo}, {4, 22, Libra}, {6, 10, Scorpio}, {7, 30, Sagittarius}, {9, 21, Capricorn}}}},
    {1976, Capricorn, {{{1, 2, Aquarius}, {2, 22, Pisces}, {4, 10, Aries}, {5, 24, Taurus}, {7, 3, Gemini}, {8, 9, Cancer}, {9, 11, Leo}, {10, 13, Virgo}, {11, 15, Libra}, {12, 19, Scorpio}}}},
    {1977, Scorpio, {{{1, 26, Sagittarius}, {3, 17, Capricorn}, {6, 26, Sagittarius}, {9, 19, Capricorn}, {11, 25, Aquarius}}}},
    {1978, Aquarius, {{{1, 16, Pisces}, {3, 4, Aries}, {4, 14, Taurus}, {5, 21, Gemini}, {6, 25, Cancer}, {7, 28, Leo}, {8, 30, Virgo}, {10, 2, Libra}, {11, 7, Scorpio}, {12, 17, Sagittarius}}}},
    {1979, Sagittarius, {{{1, 29, Capricorn}, {3, 21, Aquarius}, {6, 1, Pisces}}}},
    {1980, Aquarius, {{{1, 23, Aries}, {3, 3, Taurus}, {4, 8, Gemini}, {5, 11, Cancer}, {6, 12, Leo}, {7, 16, Virgo}, {8, 20, Libra}, {9, 27, Scorpio}, {11, 8, Sagittarius}, {12, 25, Capricorn}}}},
    {1981, Capricorn, {{{2, 11, Aquarius}, {4, 4, Pisces}, {5, 30, Aries}, {7, 28, Taurus}}}},
    {1982, Taurus, {{{2, 1, Gemini}, {3, 10, Cancer}, {4, 13, Leo}, {5, 18, Virgo}, {6, 27, Libra}, {8, 11, Scorpio}, {9, 29, Sagittarius}, {11, 19, Capricorn}}}},
    {1983, Capricorn, {{{1, 8, Aquarius}, {2, 28, Pisces}, {4, 18, Aries}, {6, 2, Taurus}, {7, 13, Gemini}, {8, 18, Cancer}, {9, 21, Leo}, {10, 23, Virgo}, {11, 24, Libra}, {12, 29, Scorpio}}}},
    {1984, Scorpio, {{{2, 5, Sagittarius}, {4, 3, Capricorn}, {5, 19, Sagittarius}, {10, 3, Capricorn}, {12, 2, Aquarius}}}},
    {1985, Aquarius, {{{1, 23, Pisces}, {3, 11, Aries}, {4, 21, Taurus}, {5, 29, Gemini}, {7, 3, Cancer}, {8, 5, Leo}, {9, 6, Virgo}, {10, 10, Libra}, {11, 14, Scorpio}, {12, 23, Sagittarius}}}},
    {1986, Sagittarius, {{{2, 5, Capricorn}, {3, 30, Aquarius}, {12, 13, Pisces}}}},
    {1987, Pisces, {{{1, 30, Aries}, {3, 12, Taurus}, {4, 16, Gemini}, {5, 20, Cancer}, {6, 21, Leo}, {7, 24, Virgo}, {8, 28, Libra}, {10, 5, Scorpio}, {11, 16, Sagittarius}, {12, 1, Capricorn}}}},
    {1988, Capricorn, {{{2, 18, Aquarius}, {4, 11, Pisces}, {6, 9, Aries}, {8, 28, Taurus}, {9, 27, Aries}}}},
    {1989, Aries, {{{1, 15, Taurus}, {2, 23, Gemini}, {3, 28, Cancer}, {4, 29, Leo}, {6, 2, Virgo}, {7, 9, Libra}, {8, 21, Scorpio}, {10, 7, Sagittarius}, {11, 26, Capricorn}}}},
    {1990, Capricorn, {{{1, 14, Aquarius}, {3, 7, Pisces}, {4, 25, Aries}, {6, 10, Taurus}, {7, 22, Gemini}, {8, 28, Cancer}, {9, 31, Leo}, {11, 2, Virgo}, {12, 4, Libra}}}},
}};

static_assert(Table.front().year == FirstYear && Table.back().year == LastYear);

constexpr bool rowsAreConsecutive()
{
    for (std::size_t i = 0; i < Table.size(); ++i) {
        if (Table[i].year != FirstYear + static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(rowsAreConsecutive());

// Within a row the change points are strictly ordered and each one changes
// the sign; 371 of them in all.
constexpr bool rowsAreWellFormed()
{
    std::size_t count = 0;
    for (const YearRow &row : Table) {
        Sign current = row.first;
        int previous = 0;
        for (const ChangePoint &change : row.changes) {
            if (change.month == 0)
                break;
            const int at = change.month * 32 + change.day;
            if (at <= previous || change.day < 1 || change.day > 31 || change.month > 12 || change.sign == current)
                return false;
            previous = at;
            current = change.sign;
            ++count;
        }
    }
    return count == 371;
}
static_assert(rowsAreWellFormed());

QString &storedSign()
{
    static QString sign;
    return sign;
}

} // namespace

std::optional<Sign> TableSign(int year, int month, int day)
{
    if (year < FirstYear || year > LastYear || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const YearRow &row = Table[static_cast<std::size_t>(year - FirstYear)];
    Sign sign = row.first;
    for (const ChangePoint &change : row.changes) {
        if (change.month == 0 || change.month > month || (change.month == month && change.day > day))
            break;
        sign = change.sign;
    }
    return sign;
}

std::optional<Sign> LookupSign(int year, int month, int day)
{
    if (IsTableYear(year))
        return TableSign(year, month, day);
    return EphemerisSign(year, month, day);
}

const QString &SexualitySign()
{
    return storedSign();
}

void GetPlanetSign(const Answer &answer)
{
    if (answer.ok())
        storedSign() = SignName(*answer.sign);
}

} // namespace astro
