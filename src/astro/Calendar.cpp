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
    const MonthInDate &name = MonthNamesInDate[static_cast<std::size_t>(month - 1)];
    return QCoreApplication::translate("CalendarDate", name.source, name.comment);
}

} // namespace astro
