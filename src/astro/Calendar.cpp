#include "astro/Calendar.h"

#include <QCoreApplication>

namespace astro {

QString MonthDisplayName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("Calendar", MonthNames[static_cast<std::size_t>(month - 1)]);
}

QString MonthInDateName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("CalendarDate", MonthNamesInDate[static_cast<std::size_t>(month - 1)],
                                       "month inside a written date, e.g. genitive");
}

} // namespace astro
