#include "ListTexts.h"

#include "astro/Answer.h"
#include "astro/Calendar.h"
#include "astro/SignReadings.h"
#include "astro/modPlanetSign.h"

namespace listtexts {

std::optional<int> ParseNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<astro::Sign> LookupSign(QStringView yearText, QStringView monthText, QStringView dayText)
{
    const std::optional<int> year = ParseNumber(yearText), day = ParseNumber(dayText);
    int month = 0;
    for (std::size_t i = 0; i < astro::MonthNames.size(); ++i) {
        if (monthText == QLatin1StringView(astro::MonthNames[i]))
            month = int(i) + 1;
    }
    if (!year || !day || month == 0)
        return std::nullopt;
    return astro::LookupSign(*year, month, *day);
}

void GetPlanetSign(QStringView yearText, QStringView monthText, QStringView dayText)
{
    astro::Answer answer;
    answer.sign = LookupSign(yearText, monthText, dayText);
    astro::GetPlanetSign(answer);
}

std::optional<QString> ReadingFor(QStringView signName)
{
    if (const std::optional<astro::Sign> sign = astro::SignFromName(signName))
        return astro::Reading(*sign);
    return std::nullopt;
}

} // namespace listtexts
