#include "astro/Sign.h"

#include <QCoreApplication>

namespace astro {

namespace {
// The English names, which are also the translations' source texts.
constexpr std::array<const char *, SignCount> Names = {
    QT_TRANSLATE_NOOP("Sign", "Aries"),     QT_TRANSLATE_NOOP("Sign", "Taurus"),
    QT_TRANSLATE_NOOP("Sign", "Gemini"),    QT_TRANSLATE_NOOP("Sign", "Cancer"),
    QT_TRANSLATE_NOOP("Sign", "Leo"),       QT_TRANSLATE_NOOP("Sign", "Virgo"),
    QT_TRANSLATE_NOOP("Sign", "Libra"),     QT_TRANSLATE_NOOP("Sign", "Scorpio"),
    QT_TRANSLATE_NOOP("Sign", "Sagittarius"), QT_TRANSLATE_NOOP("Sign", "Capricorn"),
    QT_TRANSLATE_NOOP("Sign", "Aquarius"),  QT_TRANSLATE_NOOP("Sign", "Pisces"),
};
} // namespace

QString SignName(Sign sign)
{
    return QString::fromLatin1(Names[static_cast<std::size_t>(sign)]);
}

QString SignDisplayName(Sign sign)
{
    return QCoreApplication::translate("Sign", Names[static_cast<std::size_t>(sign)]);
}

std::optional<Sign> SignFromName(QStringView name)
{
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (name == QLatin1StringView(Names[i]))
            return static_cast<Sign>(i);
    }
    return std::nullopt;
}

} // namespace astro
