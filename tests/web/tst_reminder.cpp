#include "platform/Settings.h"
#include "support/PlatformSupport.h"
#include "web/modHelp.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDate Today(2026, 12, 7);
const QString Question = QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

QString iso(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

// What every check here runs with: a fixed today, and a locale whose short
// date form is day/month/four-digit year, as on many Windows systems.
struct Fixture {
    platform::testing::ScopedToday today{Today};
    ScopedDefaultLocale locale{QLocale(QLocale::English, QLocale::UnitedKingdom)};
};

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void reminder_data();
    void reminder();
    void dateIsStoredBeforeThePageOpens();
    void notADateStaysQuietOnEveryStart();
    void storeThatCannotBeWritten();

private:
    QTemporaryDir m_config;
};

void TestReminder::initTestCase()
{
    // The real store must never be the user's own.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestReminder::reminder_data()
{
    QTest::addColumn<QString>("stored"); // what the store holds beforehand
    QTest::addColumn<platform::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("downloadOpened");

    using platform::Answer;
    const QString today = iso(Today);
    QTest::newRow("first run: stored silently") << "" << Answer::Yes << false << today << false;
    auto daysAway = [](int days) { return iso(Today.addDays(days)); };
    QTest::newRow("14 days ago: quiet") << daysAway(-14) << Answer::Yes << false << daysAway(-14) << false;
    QTest::newRow("14 days ahead: quiet") << daysAway(14) << Answer::Yes << false << daysAway(14) << false;
    QTest::newRow("15 days ago, Yes") << daysAway(-15) << Answer::Yes << true << today << true;
    QTest::newRow("15 days ago, No") << daysAway(-15) << Answer::No << true << today << false;
    QTest::newRow("15 days ahead (clock set back), No") << daysAway(15) << Answer::No << true << today << false;
    QTest::newRow("a year ago, Yes") << daysAway(-365) << Answer::Yes << true << today << true;
    QTest::newRow("today: quiet") << today << Answer::Yes << false << today << false;
    QTest::newRow("not a date") << "soon" << Answer::Yes << false << "soon" << false;
    QTest::newRow("a date in another form") << "Dec 7 2026" << Answer::Yes << false << "Dec 7 2026" << false;
    // Written by earlier versions in the short date form: read, and replaced
    // by our own form only when the reminder comes.
    QTest::newRow("short form, 3 days ago: quiet") << "04/12/2026" << Answer::Yes << false << "04/12/2026" << false;
    QTest::newRow("short form, 20 days ago, No") << "17/11/2026" << Answer::No << true << today << false;
    QTest::newRow("short form, a month ahead, Yes") << "07/01/2027" << Answer::Yes << true << today << true;
    QTest::newRow("short form, impossible") << "31/11/2026" << Answer::Yes << false << "31/11/2026" << false;
    QTest::newRow("an impossible date") << "2026-02-30" << Answer::Yes << false << "2026-02-30" << false;
    QTest::newRow("our form with a letter for a digit") << "2026-O1-05" << Answer::Yes << false << "2026-O1-05" << false;
}

void TestReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(platform::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(QString, storedAfter);
    QFETCH(bool, downloadOpened);

    const Fixture fixture;
    const ScopedMemorySettings settings;
    if (!stored.isEmpty())
        settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), stored);
    MessageRecorder boxes;
    boxes.answerNext(answer);
    ShellRecorder shell;

    modHelp::CheckUpdateReminder();

    QCOMPARE(settings->value(QStringLiteral("Settings"), modHelp::ReminderKey()), storedAfter);
    QCOMPARE(settings->writes, storedAfter == stored ? 0 : 1);
    QCOMPARE(boxes.shown().size(), asked ? 1 : 0);
    if (asked) {
        const platform::MessageRequest &box = boxes.shown().first();
        QCOMPARE(box.text, Question);
        QCOMPARE(box.caption, QStringLiteral("Starkindle"));
        QCOMPARE(box.icon, platform::MessageIcon::Information);
        QCOMPARE(box.buttons, platform::MessageButtons::YesNo);
    }
    const QStringList expectedOpened = downloadOpened ? QStringList{page::Download} : QStringList{};
    QCOMPARE(shell.opened(), expectedOpened);
}

void TestReminder::dateIsStoredBeforeThePageOpens()
{
    const Fixture fixture;
    const ScopedMemorySettings settings;
    settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), iso(Today.addDays(-30)));
    MessageRecorder boxes;
    QString storedWhenOpened;
    const platform::testing::ScopedShellOpen browser([&](const QString &) {
        storedWhenOpened = settings->value(modHelp::ReminderSection(), modHelp::ReminderKey());
    });
    modHelp::CheckUpdateReminder();
    QCOMPARE(storedWhenOpened, iso(Today));
}

void TestReminder::notADateStaysQuietOnEveryStart()
{
    const Fixture fixture;
    const ScopedMemorySettings settings;
    settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), QStringLiteral("not a date"));
    MessageRecorder boxes;
    for (int start = 0; start < 3; ++start) {
        const platform::testing::ScopedToday later(Today.addDays(start * 40));
        modHelp::CheckUpdateReminder();
    }
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(settings->writes, 0);
    QCOMPARE(settings->value(modHelp::ReminderSection(), modHelp::ReminderKey()), QStringLiteral("not a date"));
}

void TestReminder::storeThatCannotBeWritten()
{
    const Fixture fixture;
    const ScopedMemorySettings settings;
    settings->setValue(modHelp::ReminderSection(), modHelp::ReminderKey(), iso(Today.addDays(-20)));
    settings->fault = MemorySettings::Unwritable;
    MessageRecorder boxes;
    ShellRecorder shell;
    modHelp::CheckUpdateReminder();
    // Asked all the same, and the answer is honoured; the old date stays.
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(shell.opened().size(), 1);
    QCOMPARE(settings->value(modHelp::ReminderSection(), modHelp::ReminderKey()), iso(Today.addDays(-20)));

    settings->fault = MemorySettings::Unreadable;
    boxes.clear();
    modHelp::CheckUpdateReminder();
    QVERIFY(boxes.shown().isEmpty());
}

QTEST_MAIN(TestReminder)
#include "tst_reminder.moc"
