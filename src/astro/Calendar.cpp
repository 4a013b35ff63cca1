#include "astro/Calendar.h"

#include <QCoreApplication>

namespace astro {

namespace {
constexpr std::array<const char *, 12> Months = {
    QT_TRANSLATE_NOOP("Calendar", "January"), QT_TRANSLATE_NOOP("Calendar", "February"),
    QT_TRANSLATE_NOOP("Calendar", "March"),   QT_TRANSLATE_NOOP("Calendar", "April"),
    QT_TRANSLATE_NOOP("Calendar", "May"),     QT_TRANSLATE_NOOP("Calendar", "June"),
    QT_TRANSLATE_NOOP("Calendar", "July"),    QT_TRANSLATE_NOOP("Calendar", "August"),
    QT_TRANSLATE_NOOP("Calendar", "September"), QT_TRANSLATE_NOOP("Calendar", "October"),
    QT_TRANSLATE_NOOP("Calendar", "November"), QT_TRANSLATE_NOOP("Calendar", "December"),
};
} // namespace

QString MonthDisplayName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("Calendar", Months[static_cast<std::size_t>(month - 1)]);
}

} // namespace astro
