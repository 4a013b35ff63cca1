#include "astro/Calendar.h"
#include "astro/DateTime.h"
#include "astro/Ephemeris.h"
#include "astro/Longitude.h"
#include "astro/modPlanetSign.h"
#include "support/ListTexts.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <QTest>

#include <cmath>
#include <map>

using astro::Sign;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(astro::Sign)

namespace {
const char *const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

// The lookup as the main window drives it, from the three list texts.
std::optional<Sign> lookup(int year, int month, int day)
{
    return listtexts::LookupSign(QString::number(year), QString::fromLatin1(MonthNames[month - 1]), QString::number(day));
}
} // namespace

class TestSignTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // QTest runs it before any test, whichever are chosen: in a process where
    // nothing has matched yet, lookups that match nothing leave the sign empty.
    void initTestCase();

    void dayCountsOverEveryRealDate();
    void knownDates_data();
    void knownDates();
    void onlyRealDatesReachTheTextsTheListsHold();
    void outsideTheTableOnlyRealDatesMatch();
    void textsThatAreNotListItems_data();
    void textsThatAreNotListItems();
    void failedLookupKeepsPreviousSign();
    void dateTimeTexts_data();
    void dateTimeTexts();
    void signAtMinute_data();
    void signAtMinute();
    void crossingsMakeTheDaySigns();
    void degreeInSign_data();
    void degreeInSign();
};

void TestSignTable::initTestCase()
{
    listtexts::GetPlanetSign(u"2101", u"January", u"1");
    listtexts::GetPlanetSign(u"1940", u"january", u"1");
    QCOMPARE(astro::SexualitySign(), QString());
}

void TestSignTable::dayCountsOverEveryRealDate()
{
    std::map<Sign, int> days;
    int total = 0;
    for (QDate d(1940, 1, 1); d <= QDate(1990, 12, 31); d = d.addDays(1)) {
        const std::optional<Sign> sign = lookup(d.year(), d.month(), d.day());
        QVERIFY2(sign, qPrintable(d.toString(Qt::ISODate)));
        ++days[*sign];
        ++total;
    }
    QCOMPARE(total, 18628);
    const std::map<Sign, int> expected = {
        {Sign::Aries, 1707},       {Sign::Taurus, 1439},    {Sign::Gemini, 1029},   {Sign::Cancer, 1023},
        {Sign::Leo, 952},          {Sign::Virgo, 1017},     {Sign::Libra, 1199},    {Sign::Scorpio, 1486},
        {Sign::Sagittarius, 1979}, {Sign::Capricorn, 2371}, {Sign::Aquarius, 2355}, {Sign::Pisces, 2071},
    };
    for (const auto &[sign, count] : expected)
        QCOMPARE(days[sign], count);
}

void TestSignTable::knownDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");

    auto row = [](const char *tag, int y, int m, int d, const char *sign) {
        QTest::newRow(tag) << y << m << d << QString::fromLatin1(sign);
    };
    row("first day of the lists", 1940, 1, 1, "Scorpio");
    row("last day of the lists", 1990, 12, 31, "Libra");
    row("day before a change keeps the old sign", 1941, 1, 20, "Aquarius");
    row("change day takes the new sign", 1941, 1, 21, "Pisces");
    row("1951 Nov 12", 1951, 11, 12, "Aries");
    row("1951 Nov 13", 1951, 11, 13, "Pisces");
    row("1951 Nov 20", 1951, 11, 20, "Pisces");
    row("1951 Nov 21", 1951, 11, 21, "Aries");
    row("1942 quiet months begin", 1942, 3, 27, "Aquarius");
    row("1942 quiet months middle", 1942, 7, 15, "Aquarius");
    row("1942 quiet months end", 1942, 12, 10, "Aquarius");
    row("1942 after the quiet months", 1942, 12, 11, "Pisces");
    row("1943 Sep 30", 1943, 9, 30, "Libra");
    row("1943 Sep 31 (no such day)", 1943, 9, 31, "Scorpio");
    row("1943 Oct 1", 1943, 10, 1, "Scorpio");
    row("1952 Feb 29", 1952, 2, 29, "Taurus");
    row("1952 Feb 30 (no such day)", 1952, 2, 30, "Gemini");
    row("1952 Feb 31 (no such day)", 1952, 2, 31, "Gemini");
    row("1952 Mar 1", 1952, 3, 1, "Gemini");
    row("1990 Sep 30", 1990, 9, 30, "Cancer");
    row("1990 Sep 31 (no such day)", 1990, 9, 31, "Leo");
    row("1990 Oct 1", 1990, 10, 1, "Leo");
    row("1948 Virgo from Oct 13", 1948, 10, 13, "Virgo");
    row("1948 Virgo until Nov 16", 1948, 11, 16, "Virgo");
    row("1948 Scorpio from Nov 17, no Libra", 1948, 11, 17, "Scorpio");
    row("1980 Aquarius until Jan 22", 1980, 1, 22, "Aquarius");
    row("1980 Aries from Jan 23, no Pisces", 1980, 1, 23, "Aries");
    row("1940 Feb 29", 1940, 2, 29, "Sagittarius");
    row("1940 Mar 1", 1940, 3, 1, "Capricorn");
    row("1940 Mar 25", 1940, 3, 25, "Capricorn");
    row("1940 Mar 26", 1940, 3, 26, "Sagittarius");
    row("1940 Mar 31", 1940, 3, 31, "Sagittarius");
    row("1940 Apr 1", 1940, 4, 1, "Capricorn");
    row("1940 Jun 6", 1940, 6, 6, "Sagittarius");
    row("1940 Sep 28", 1940, 9, 28, "Sagittarius");
    row("1940 Sep 29", 1940, 9, 29, "Capricorn");
    row("1946 ends in Libra", 1946, 12, 31, "Libra");
    row("1947 begins in Scorpio", 1947, 1, 1, "Scorpio");
    row("1979 ends in Pisces", 1979, 12, 31, "Pisces");
    row("1980 begins in Aquarius", 1980, 1, 1, "Aquarius");
    row("July 1941 Cancer throughout", 1941, 7, 31, "Cancer");
    row("Leo from 1 August 1941", 1941, 8, 1, "Leo");
    row("July 1969 Gemini throughout", 1969, 7, 31, "Gemini");
    row("Cancer from 1 August 1969", 1969, 8, 1, "Cancer");
    row("month opening with a new sign", 1975, 2, 1, "Leo");
    row("the day before it", 1975, 1, 31, "Cancer");
    row("15 March 1965", 1965, 3, 15, "Aquarius");
    // The ephemeris around the table: it must join the table's own signs.
    row("ephemeris: Libra before Scorpio", 1939, 12, 23, "Libra");
    row("ephemeris: Scorpio from 24 December 1939", 1939, 12, 24, "Scorpio");
    row("ephemeris: 1939 ends in Scorpio", 1939, 12, 31, "Scorpio");
    row("ephemeris: 1991 begins in Libra", 1991, 1, 1, "Libra");
    row("ephemeris: 29 February 2000", 2000, 2, 29, "Capricorn");
    row("ephemeris: first day", 1900, 1, 1, "Capricorn");
    row("ephemeris: last day", 2100, 12, 31, "Capricorn");
    row("ephemeris: the day before a crossing at 11:58 UT", 2035, 2, 22, "Scorpio");
    row("ephemeris: the day of a crossing at 11:58 UT", 2035, 2, 23, "Sagittarius");
}

void TestSignTable::knownDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, sign);

    const std::optional<Sign> found = lookup(year, month, day);
    QVERIFY(found);
    QCOMPARE(astro::SignName(*found), sign);
    QCOMPARE(astro::LookupSign(year, month, day), found);
}

void TestSignTable::onlyRealDatesReachTheTextsTheListsHold()
{
    // Every combination the three lists can offer has a sign, including day
    // numbers the month lacks.
    for (int year = astro::FirstYear; year <= astro::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                QVERIFY(lookup(year, month, day).has_value());
}

void TestSignTable::outsideTheTableOnlyRealDatesMatch()
{
    // Qt's calendar decides which dates are real.
    for (int year = astro::EarliestYear; year <= astro::LatestYear; ++year) {
        const bool table = year >= astro::FirstYear && year <= astro::LastYear;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                QCOMPARE(lookup(year, month, day).has_value(), table || QDate::isValid(year, month, day));
        QCOMPARE(astro::IsLeapYear(year), QDate::isLeapYear(year));
    }
}

void TestSignTable::textsThatAreNotListItems_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");

    QTest::newRow("year after the ephemeris") << "2101" << "January" << "1";
    QTest::newRow("year before the ephemeris") << "1899" << "December" << "31";
    QTest::newRow("29 February 1900, not a leap year") << "1900" << "February" << "29";
    QTest::newRow("29 February 2100, not a leap year") << "2100" << "February" << "29";
    QTest::newRow("31 April outside the table") << "1991" << "April" << "31";
    QTest::newRow("month in lower case") << "1965" << "march" << "15";
    QTest::newRow("month in capitals") << "1965" << "MARCH" << "15";
    QTest::newRow("month abbreviated") << "1965" << "Mar" << "15";
    QTest::newRow("month with a trailing space") << "1965" << "March " << "15";
    QTest::newRow("empty month") << "1965" << "" << "15";
    QTest::newRow("empty year") << "" << "March" << "15";
    QTest::newRow("empty day") << "1965" << "March" << "";
    QTest::newRow("year not a number") << "19x5" << "March" << "15";
    QTest::newRow("year with a sign") << "+1965" << "March" << "15";
    QTest::newRow("year with a space") << " 1965" << "March" << "15";
    QTest::newRow("year in hexadecimal") << "0x7AD" << "March" << "15";
    QTest::newRow("day not a number") << "1965" << "March" << "fifteen";
    QTest::newRow("day zero") << "1965" << "March" << "0";
    QTest::newRow("day 32") << "1965" << "March" << "32";
    QTest::newRow("negative day") << "1965" << "March" << "-1";
    QTest::newRow("huge day") << "1965" << "March" << "99999999999999999999";
    QTest::newRow("day with a decimal point") << "1965" << "March" << "15.0";
}

void TestSignTable::textsThatAreNotListItems()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QVERIFY(!listtexts::LookupSign(year, month, day));
}

void TestSignTable::failedLookupKeepsPreviousSign()
{
    listtexts::GetPlanetSign(u"1940", u"January", u"1");
    QCOMPARE(astro::SexualitySign(), QStringLiteral("Scorpio"));
    listtexts::GetPlanetSign(u"2101", u"January", u"1");
    QCOMPARE(astro::SexualitySign(), QStringLiteral("Scorpio"));
    listtexts::GetPlanetSign(u"1940", u"january", u"1");
    QCOMPARE(astro::SexualitySign(), QStringLiteral("Scorpio"));
    listtexts::GetPlanetSign(u"1941", u"January", u"21");
    QCOMPARE(astro::SexualitySign(), QStringLiteral("Pisces"));
}

void TestSignTable::dateTimeTexts_data()
{
    // What the command line reads: the fields read back, or nothing.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");
    const auto row = [](const char *text, const char *read) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromLatin1(read);
    };
    row("2035-02-23", "2035-02-23");
    row("2035-02-23T11:58", "2035-02-23 718");
    row("2035-02-23T11:58Z", "2035-02-23 718 +0");
    row("1900-01-01T00:00-05:30", "1900-01-01 0 -330");
    row("2100-12-31T23:59+18:00", "2100-12-31 1439 +1080");
    row("2000-02-29", "2000-02-29");
    row("1900-02-29", "");
    row("2035-04-31", "");
    row("2035-13-01", "");
    row("2035-2-23", "");
    row("35-02-23", "");
    row("+035-02-23", "");
    row(" 2035-02-23", "");
    row("2035-02-23 ", "");
    row("2035-02-23T", "");
    row("2035-02-23 11:58", "");
    row("2035-02-23t11:58Z", "");
    row("2035-02-23T11:58z", "");
    row("2035-02-23T11:5", "");
    row("2035-02-23T24:00", "");
    row("2035-02-23T11:60", "");
    row("2035-02-23T11:58:00Z", "");
    row("2035-02-23T11:58+18:01", "");
    row("2035-02-23T11:58+0100", "");
    row("2035-02-23T11:58+1:00", "");
    row("\xef\xbc\x92" "035-02-23", ""); // a full-width digit
}

void TestSignTable::dateTimeTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    QString found;
    if (const std::optional<astro::DateTime> dt = astro::ParseDateTime(text)) {
        found = QString::asprintf("%04d-%02d-%02d", dt->year, dt->month, dt->day);
        if (dt->minuteOfDay)
            found += u' ' + QString::number(*dt->minuteOfDay);
        if (dt->offsetMinutes)
            found += QString::asprintf(" %+d", *dt->offsetMinutes);
    }
    QCOMPARE(found, read);
}

void TestSignTable::signAtMinute_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QString>("sign");
    const auto row = [](const char *tag, const char *utc, const char *sign) {
        QTest::newRow(tag) << QDateTime::fromString(QLatin1String(utc), Qt::ISODate) << QString::fromLatin1(sign);
    };
    row("before the range", "1899-12-31T23:59Z", "");
    row("first minute", "1900-01-01T00:00Z", "Capricorn");
    row("the minute before the first crossing", "1900-02-12T15:44Z", "Capricorn");
    row("the first crossing's minute", "1900-02-12T15:45Z", "Aquarius");
    row("2035-02-23 11:58, the crossing under way", "2035-02-23T11:58Z", "Scorpio");
    row("2035-02-23 11:59, the first whole minute after it", "2035-02-23T11:59Z", "Sagittarius");
    row("last minute", "2100-12-31T23:59Z", "Capricorn");
    row("after the range", "2101-01-01T00:00Z", "");
}

void TestSignTable::signAtMinute()
{
    QFETCH(QDateTime, utc);
    QFETCH(QString, sign);
    const std::optional<Sign> found = astro::EphemerisSignAt(utc.toSecsSinceEpoch() / 60);
    QCOMPARE(found ? astro::SignName(*found) : QString(), sign);
    // The longitude's sign is the same; it is given up to 2101-01-01T00:00Z.
    const std::optional<double> longitude = astro::ErosLongitude(double(utc.toSecsSinceEpoch() / 60));
    QCOMPARE(bool(longitude), found || utc.date().year() == 2101);
    if (found)
        QCOMPARE(astro::SignOfLongitude(*longitude), *found);
}

void TestSignTable::crossingsMakeTheDaySigns()
{
    // Each crossing joins the one before and holds from its minute; a day's
    // sign is the one in force at 12:00 UT.
    const qint64 first = astro::DaysFromCivil(astro::EarliestYear, 1, 1) * 1440;
    const qint64 end = astro::DaysFromCivil(astro::LatestYear + 1, 1, 1) * 1440;
    const std::vector<astro::Crossing> crossings = astro::CrossingsBetween(first - 1440, end + 1440);
    QCOMPARE(crossings.size(), std::size_t(1482));
    std::optional<Sign> in = astro::EphemerisSignAt(first);
    for (const astro::Crossing &c : crossings) {
        QCOMPARE(c.from, *in);
        QCOMPARE(astro::EphemerisSignAt(c.utcMinute - 1), std::optional(c.from));
        QCOMPARE(astro::EphemerisSignAt(c.utcMinute), std::optional(c.to));
        QCOMPARE(astro::CrossingsBetween(c.utcMinute, c.utcMinute + 1).size(), std::size_t(1));
        QVERIFY(astro::CrossingsBetween(c.utcMinute + 1, c.utcMinute + 1).empty());
        in = c.to;
    }
    for (QDate d(astro::EarliestYear, 1, 1); d.year() <= astro::LatestYear; d = d.addDays(1)) {
        const qint64 noon = QDateTime(d, QTime(astro::DayHourUt, 0), QTimeZone::utc()).toSecsSinceEpoch() / 60;
        QCOMPARE(astro::EphemerisSign(d.year(), d.month(), d.day()), astro::EphemerisSignAt(noon));
    }
}

void TestSignTable::degreeInSign_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("degree");
    QTest::addColumn<Sign>("sign");
    // Truncated to the minute, the sign from the same minute.
    QTest::newRow("0") << 0.0 << u"0°00′"_s << Sign::Aries;
    QTest::newRow("14°23′59.9″ Sagittarius") << 240 + 14 + 23 / 60.0 + 59.9 / 3600 << u"14°23′"_s
                                              << Sign::Sagittarius;
    QTest::newRow("14°05′ Sagittarius") << 240 + 14 + 5 / 60.0 << u"14°05′"_s << Sign::Sagittarius;
    QTest::newRow("a hair short of Taurus") << 30 - 1e-9 << u"29°59′"_s << Sign::Aries;
    QTest::newRow("30") << 30.0 << u"0°00′"_s << Sign::Taurus;
    QTest::newRow("a hair short of 360") << 360 - 1e-12 << u"29°59′"_s << Sign::Pisces;
    QTest::newRow("a hair short of 360 that rounds to it") << std::nextafter(360.0, 0.0) << u"29°59′"_s
                                                          << Sign::Pisces;
    QTest::newRow("360") << 360.0 << u"0°00′"_s << Sign::Aries;
    QTest::newRow("-0.5") << -0.5 << u"29°30′"_s << Sign::Pisces;
    QTest::newRow("725.25") << 725.25 << u"5°15′"_s << Sign::Aries;
}

void TestSignTable::degreeInSign()
{
    QFETCH(double, longitude);
    QFETCH(QString, degree);
    QFETCH(Sign, sign);
    QCOMPARE(astro::DegreeInSign(longitude), degree);
    QCOMPARE(astro::SignOfLongitude(longitude), sign);
}

QTEST_APPLESS_MAIN(TestSignTable)
#include "tst_signtable.moc"
