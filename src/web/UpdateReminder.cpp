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
    // Our own form read by hand: QDate::fromString with a format builds
    // Qt's date-time parser, whose code (about 190 KiB of pages) every
    // start would otherwise read in just for this.
    const auto number = [&stored](qsizetype from, qsizetype length) {
        int n = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            const char16_t c = stored.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    if (stored.size() == DateFormat.size() && stored.at(4) == u'-' && stored.at(7) == u'-') {
        const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
        if (year >= 0 && month >= 0 && day >= 0 && QDate::isValid(year, month, day))
            return QDate(year, month, day);
    }
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
