#include "astro/DateTime.h"

#include "astro/Calendar.h"

namespace astro {

namespace {

// Exactly that many ASCII digits at the start of text.
std::optional<int> digits(QStringView text, qsizetype count)
{
    if (text.size() < count)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "HH:MM" at the start of text, as minutes, with the hours at most maxHours.
std::optional<int> hoursAndMinutes(QStringView text, int maxHours)
{
    const std::optional<int> hours = digits(text, 2), minutes = digits(text.mid(3), 2);
    if (!hours || !minutes || text[2] != u':' || *hours > maxHours || *minutes > 59)
        return std::nullopt;
    return *hours * 60 + *minutes;
}

} // namespace

std::optional<DateTime> ParseDateTime(QStringView text)
{
    DateTime dt;
    const std::optional<int> year = digits(text, 4), month = digits(text.mid(5), 2), day = digits(text.mid(8), 2);
    if (!year || !month || !day || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    dt.year = *year;
    dt.month = *month;
    dt.day = *day;
    if (dt.day < 1 || dt.day > DaysInMonth(dt.year, dt.month))
        return std::nullopt;
    QStringView rest = text.mid(10);
    if (rest.isEmpty())
        return dt;
    if (rest.size() < 6 || rest[0] != u'T' || !(dt.minuteOfDay = hoursAndMinutes(rest.mid(1), 23)))
        return std::nullopt;
    rest = rest.mid(6);
    if (rest.isEmpty())
        return dt;
    if (rest == u"Z") {
        dt.offsetMinutes = 0;
        return dt;
    }
    const std::optional<int> offset = rest.size() == 6 ? hoursAndMinutes(rest.mid(1), 18) : std::nullopt;
    if (!offset || (rest[0] != u'+' && rest[0] != u'-') || *offset > 18 * 60)
        return std::nullopt;
    dt.offsetMinutes = rest[0] == u'-' ? -*offset : *offset;
    return dt;
}

} // namespace astro
