#include "web/modHelp.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace modHelp {

namespace {
// A calendar date in a form no locale changes.
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

constexpr qint64 QuietDays = 14;

// Our own form first; then the short date form of the user's locale, which
// earlier versions of the program wrote to the same place.
QDate ReadDate(const QString &stored)
{
    const QDate date = QDate::fromString(stored, DateFormat);
    if (date.isValid())
        return date;
    return QLocale().toDate(stored, QLocale::ShortFormat);
}
} // namespace

QString ReminderSection()
{
    return QStringLiteral("Settings");
}

QString ReminderKey()
{
    return QStringLiteral("UpdateReminderDate");
}

void CheckUpdateReminder()
{
    platform::SettingsStore &settings = platform::Settings();
    const platform::SettingRead stored = settings.read(ReminderSection(), ReminderKey());
    if (!stored.readable)
        return; // a store we cannot read is not the first run; leave it be

    if (stored.value.isEmpty()) {
        settings.write(ReminderSection(), ReminderKey(), platform::Today().toString(DateFormat));
        return;
    }

    const QDate last = ReadDate(stored.value);
    if (!last.isValid())
        return; // not a date: nothing shown, nothing written

    const qint64 days = last.daysTo(platform::Today());
    if (days >= -QuietDays && days <= QuietDays)
        return;

    const platform::Answer answer = platform::ShowMessage(
        QCoreApplication::translate("modHelp", "There maybe an update to this software available") + u'\r'
            + QCoreApplication::translate("modHelp", "Do you want to check for an update?"),
        platform::MessageIcon::Information, platform::MessageButtons::YesNo);

    settings.write(ReminderSection(), ReminderKey(), platform::Today().toString(DateFormat));
    if (answer == platform::Answer::Yes)
        OpenDownloadPage();
}

} // namespace modHelp
