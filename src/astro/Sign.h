#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace astro {

// The twelve signs in zodiac order; the order is also the order in which
// readings are searched.
enum class Sign : unsigned char {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

inline constexpr int SignCount = 12;

inline constexpr std::array<Sign, SignCount> AllSigns = {
    Sign::Aries, Sign::Taurus,  Sign::Gemini,      Sign::Cancer,    Sign::Leo,      Sign::Virgo,
    Sign::Libra, Sign::Scorpio, Sign::Sagittarius, Sign::Capricorn, Sign::Aquarius, Sign::Pisces,
};

// The sign's name exactly as the rest of the application compares, stores
// and prints it: English, whatever the language.
QString SignName(Sign sign);

// The sign's name as the user reads it, in the installed translation's
// language (Wassermann, Verseau, ...); only ever shown.
QString SignDisplayName(Sign sign);

// Exact, case-sensitive match against the twelve names; no trimming.
std::optional<Sign> SignFromName(QStringView name);

} // namespace astro
