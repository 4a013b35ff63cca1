#include "astro/Calendar.h"

#include <QCoreApplication>

namespace astro {

namespace {

// MonthNames again, for lupdate, in the context of a date in running text.
constexpr std::array<const char *, 12> MonthNamesInSentence = {
    QT_TRANSLATE_NOOP("MonthInSentence", "January"),   QT_TRANSLATE_NOOP("MonthInSentence", "February"),
    QT_TRANSLATE_NOOP("MonthInSentence", "March"),     QT_TRANSLATE_NOOP("MonthInSentence", "April"),
    QT_TRANSLATE_NOOP("MonthInSentence", "May"),       QT_TRANSLATE_NOOP("MonthInSentence", "June"),
    QT_TRANSLATE_NOOP("MonthInSentence", "July"),      QT_TRANSLATE_NOOP("MonthInSentence", "August"),
    QT_TRANSLATE_NOOP("MonthInSentence", "September"), QT_TRANSLATE_NOOP("MonthInSentence", "October"),
    QT_TRANSLATE_NOOP("MonthInSentence", "November"),  QT_TRANSLATE_NOOP("MonthInSentence", "December"),
};

} // namespace

QString MonthDisplayName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("Calendar", MonthNames[static_cast<std::size_t>(month - 1)]);
}

QString MonthNameInSentence(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("MonthInSentence", MonthNamesInSentence[static_cast<std::size_t>(month - 1)]);
}

} // namespace astro
