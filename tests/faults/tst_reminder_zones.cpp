// The update reminder's day count under other locales and time zones.
//
// The parent run starts this program once per (locale, time zone) pair with
// LANG, LC_ALL and TZ set, so that the C library, Qt's system locale and the
// local clock all see them from the start; each child runs the checks below.
// The German and Turkish locales come compiled, once, into a folder of the
// build named by LOCPATH (prepare-locales.sh, a CTest fixture), so the system
// needs none of them generated and a run does not pay for localedef.

#include "platform/Clock.h"
#include "platform/Settings.h"
#include "platform/Testing.h"
#include "support/PlatformSupport.h"
#include "web/modHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <climits>
#include <clocale>
#include <ctime>
#include <memory>
#include <vector>

namespace {

const char *const ChildVariable = "STARKINDLE_ZONES_CHILD";

QString iso(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

// The local calendar date according to the C library, independent of Qt.
QDate LibcToday()
{
    tzset(); // localtime_r need not read TZ itself
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    if (!localtime_r(&now, &local))
        return {};
    return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace

// Runs inside one (locale, time zone) child.
class ZoneChild : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void environmentTookEffect();
    void dayCount_data();
    void dayCount();
    void realClock_data();
    void realClock();

private:
    // A fresh native store's file holding the given date (none when empty),
    // written byte by byte rather than through the code under test. Each
    // store has a name of its own, so no cached copy of an earlier file can
    // answer for it. Returns the name.
    QString seed(const QString &date);
    QString storedIn(const QString &name) const;

    QTemporaryDir m_config;
    int m_stores = 0;
};

void ZoneChild::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void ZoneChild::environmentTookEffect()
{
    // A locale or zone that silently fell back to C/UTC would make every
    // other check here meaningless.
    const QString locale = qEnvironmentVariable("LC_ALL");
    const char *active = std::setlocale(LC_TIME, nullptr);
    QCOMPARE(QString::fromLatin1(active ? active : "(none)"), locale);
    const QString expectedName = locale == u"C" ? QStringLiteral("C") : locale.section(u'.', 0, 0);
    QCOMPARE(QLocale::system().name(), expectedName);
    QCOMPARE(QLocale().name(), expectedName);

    const QByteArray zone = qgetenv("TZ");
    QCOMPARE(QTimeZone::systemTimeZoneId(), zone);
    // Offsets in January and July 2026, which tell the zone's rules apart.
    struct Offsets {
        const char *zone;
        int january;
        int july;
    };
    const Offsets known[] = {
        {"UTC", 0, 0},
        {"Pacific/Auckland", 13 * 3600, 12 * 3600},
        {"America/New_York", -5 * 3600, -4 * 3600},
        {"Pacific/Kiritimati", 14 * 3600, 14 * 3600},
        {"Etc/GMT+12", -12 * 3600, -12 * 3600},
    };
    const Offsets *expected = nullptr;
    for (const Offsets &o : known) {
        if (zone == o.zone)
            expected = &o;
    }
    QVERIFY2(expected, zone.constData());
    const QDateTime january(QDate(2026, 1, 15), QTime(12, 0), QTimeZone::utc());
    const QDateTime july(QDate(2026, 7, 15), QTime(12, 0), QTimeZone::utc());
    QCOMPARE(january.toLocalTime().offsetFromUtc(), expected->january);
    QCOMPARE(july.toLocalTime().offsetFromUtc(), expected->july);
}

QString ZoneChild::seed(const QString &date)
{
    const QString name = QStringLiteral("zones-%1").arg(++m_stores);
    const QString dir = m_config.filePath(name);
    QFile file(dir + u'/' + name + QStringLiteral(".ini"));
    if (!QDir().mkpath(dir) || !file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    if (!date.isEmpty())
        file.write("[Settings]\nUpdateReminderDate=" + date.toLatin1() + "\n");
    file.close();
    return name;
}

QString ZoneChild::storedIn(const QString &name) const
{
    QFile file(m_config.filePath(name + u'/' + name + QStringLiteral(".ini")));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(unreadable)");
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("UpdateReminderDate="))
            return QString::fromLatin1(line.mid(19));
    }
    return {};
}

void ZoneChild::dayCount_data()
{
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("asked");

    // New York moves its clocks on 2026-03-08 and 2026-11-01, Auckland on
    // 2026-04-05 and 2026-09-27: a day of 23 or 25 hours lies in the span.
    // Any count through clock time instead of calendar days goes wrong here
    // in some of the zones.
    const struct {
        const char *name;
        QDate stored;
    } spans[] = {
        {"New York spring", QDate(2026, 3, 8)},
        {"New York spring, day before", QDate(2026, 3, 7)},
        {"New York autumn", QDate(2026, 10, 25)},
        {"Auckland autumn", QDate(2026, 4, 5)},
        {"Auckland autumn, day before", QDate(2026, 4, 4)},
        {"Auckland spring", QDate(2026, 9, 20)},
        {"year end", QDate(2026, 12, 25)},
        {"leap day", QDate(2028, 2, 20)},
    };
    for (const auto &span : spans) {
        for (int days : {14, 15}) {
            const bool asked = days == 15;
            QTest::addRow("%s, %d days later", span.name, days) << span.stored << span.stored.addDays(days) << asked;
            // Clock set back: the stored date lies ahead of today.
            QTest::addRow("%s, %d days earlier", span.name, days)
                << span.stored.addDays(days) << span.stored << asked;
        }
    }
}

void ZoneChild::dayCount()
{
    QFETCH(QDate, stored);
    QFETCH(QDate, today);
    QFETCH(bool, asked);

    const QString name = seed(iso(stored));
    const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(name));
    const platform::testing::ScopedToday fixed(today);
    MessageRecorder boxes;
    boxes.answerNext(platform::Answer::No);
    ShellRecorder shell;

    modHelp::CheckUpdateReminder();

    QCOMPARE(boxes.shown().size(), asked ? 1 : 0);
    QCOMPARE(storedIn(name), iso(asked ? today : stored));
    QVERIFY(shell.opened().isEmpty());
}

void ZoneChild::realClock_data()
{
    QTest::addColumn<int>("storedDaysAgo"); // relative to the local date; INT_MIN: nothing stored
    QTest::addColumn<bool>("asked");
    QTest::newRow("first run") << INT_MIN << false;
    QTest::newRow("today") << 0 << false;
    QTest::newRow("14 days ago") << 14 << false;
    QTest::newRow("15 days ago") << 15 << true;
    QTest::newRow("14 days ahead") << -14 << false;
    QTest::newRow("15 days ahead") << -15 << true;
}

void ZoneChild::realClock()
{
    // Today comes from the system clock here; the expected date is the local
    // one as the C library sees it under this TZ.
    QFETCH(int, storedDaysAgo);
    QFETCH(bool, asked);

    // Tried again if the local date turns over during the check.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QDate before = LibcToday();
        QVERIFY(before.isValid());
        const QString stored = storedDaysAgo == INT_MIN ? QString() : iso(before.addDays(-storedDaysAgo));
        const QString name = seed(stored);
        const platform::testing::ScopedSettingsStore store(platform::NativeSettingsStore(name));
        MessageRecorder boxes;
        boxes.answerNext(platform::Answer::No);
        ShellRecorder shell;

        modHelp::CheckUpdateReminder();

        if (LibcToday() != before)
            continue;
        QCOMPARE(platform::Today(), before);
        QCOMPARE(boxes.shown().size(), asked ? 1 : 0);
        const bool written = asked || stored.isEmpty();
        QCOMPARE(storedIn(name), written ? iso(before) : stored);
        return;
    }
    QFAIL("the local date changed twice during the check");
}

// Runs the children, one per (locale, time zone).
class ZoneMatrix : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pair_data();
    void pair();

private:
    QString m_locales;
};

void ZoneMatrix::initTestCase()
{
    m_locales = qEnvironmentVariable("STARKINDLE_TEST_LOCPATH");
    QVERIFY2(!m_locales.isEmpty(), "STARKINDLE_TEST_LOCPATH names the compiled locales (set by CTest)");
    for (const char *locale : {"de_DE", "tr_TR"})
        QVERIFY2(QFile::exists(m_locales + u'/' + QLatin1String(locale) + QStringLiteral(".UTF-8/LC_CTYPE")),
                 qPrintable(QStringLiteral("%1 is not compiled in %2: run the test_locales fixture")
                                .arg(QLatin1String(locale), m_locales)));
}

void ZoneMatrix::pair_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("zone");
    // Kiritimati (UTC+14) and Etc/GMT+12 (UTC-12) are a day or two apart at
    // every moment, so the real clock's local date is always tried against
    // a UTC date that differs from it.
    for (const char *locale : {"C", "de_DE.UTF-8", "tr_TR.UTF-8"}) {
        for (const char *zone : {"UTC", "Pacific/Auckland", "America/New_York", "Pacific/Kiritimati", "Etc/GMT+12"})
            QTest::addRow("%s %s", locale, zone) << QString::fromLatin1(locale) << QString::fromLatin1(zone);
    }
}

void ZoneMatrix::pair()
{
    QFETCH(QString, locale);
    QFETCH(QString, zone);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildVariable), QStringLiteral("1"));
    env.insert(QStringLiteral("LOCPATH"), m_locales);
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("TZ"), zone);
    env.remove(QStringLiteral("LANGUAGE"));

    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted(10000));
    const bool finished = child.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(finished, qPrintable(output));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
    // A child that ran no check would also exit 0.
    const QRegularExpressionMatch totals = QRegularExpression(QStringLiteral("Totals: (\\d+) passed, 0 failed")).match(output);
    QVERIFY2(totals.hasMatch() && totals.captured(1).toInt() > 1, qPrintable(output));
}

int main(int argc, char *argv[])
{
    // Sets the C library's locale from LANG/LC_ALL, as the application does.
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable)) {
        ZoneChild child;
        return QTest::qExec(&child, argc, argv);
    }
    ZoneMatrix matrix;
    return QTest::qExec(&matrix, argc, argv);
}

#include "tst_reminder_zones.moc"
