#include "astro/ResultNotes.h"

#include <QTest>

using astro::Sign;

// What the result window says about its answer, line by line, with no
// widgets: the window only shows these lines.
class TestResultNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notes_data();
    void notes();
};

void TestResultNotes::notes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("utcOffset"); // the computer's zone, in hours
    QTest::addColumn<QStringList>("expected"); // answeredFor, then the lines
    QTest::addColumn<QString>("otherSign");

    const QString table = QStringLiteral("The sign comes from the original table, which covers 1940 to 1990.");
    const QString computed = QStringLiteral("The sign is computed from JPL's orbit of Eros, for 12:00 UT on this day.");
    QTest::newRow("a day of the table") << "ANNA" << QDate(1965, 3, 15) << 0
                                        << QStringList{"Answer for ANNA, born on 15 March 1965.", table} << "";
    QTest::newRow("a change day of the table")
        << "ANNA" << QDate(1965, 3, 7) << 14
        << QStringList{"Answer for ANNA, born on 7 March 1965.", table,
                       "On this day the table has Eros moving from Capricorn into Aquarius; it gives no hour."}
        << "";
    // The table starts each year afresh: 1980 opens on Aquarius after 1979
    // ended on Pisces, which the sky keeps.
    QTest::newRow("the sky disagrees, 1 January")
        << "ANNA" << QDate(1980, 1, 1) << 0
        << QStringList{"Answer for ANNA, born on 1 January 1980.", table,
                       "The computed sky puts Eros in Pisces at 12:00 UT on this day; for 1940 to 1990 the program "
                       "keeps the original table's answer."}
        << "";
    QTest::newRow("a change day the sky disagrees with")
        << "ANNA" << QDate(1940, 3, 1) << 0
        << QStringList{"Answer for ANNA, born on 1 March 1940.", table,
                       "On this day the table has Eros moving from Sagittarius into Capricorn; it gives no hour.",
                       "The computed sky puts Eros in Sagittarius at 12:00 UT on this day; for 1940 to 1990 the "
                       "program keeps the original table's answer."}
        << "";
    // 31 September 1943 in the table: Scorpio begins the day after 30 September.
    QTest::newRow("a change point on a day the month lacks")
        << "ANNA" << QDate(1943, 10, 1) << 0
        << QStringList{"Answer for ANNA, born on 1 October 1943.", table,
                       "On this day the table has Eros moving from Libra into Scorpio; it gives no hour."}
        << "";
    QTest::newRow("no name, outside the table")
        << "" << QDate(2030, 3, 15) << 0 << QStringList{"Answer for a birth on 15 March 2030.", computed} << "";
    // Eros entered Leo at 15:15 UT on 6 July 2001, 05:15 on 7 July in UTC+14.
    const QStringList leo = {
        computed,
        "Eros moved from Cancer into Leo at 15:15 UT on 6 July 2001, which was 05:15 on 7 July 2001 in this "
        "computer's time zone (UTC+14:00).",
        "Born before that moment, Eros was in Cancer; born after it, in Leo."};
    QTest::newRow("a change day by UT") << "ANNA" << QDate(2001, 7, 6) << 14
                                        << QStringList{"Answer for ANNA, born on 6 July 2001."} + leo << "Leo";
    QTest::newRow("a change day in UTC+14 only")
        << "ANNA" << QDate(2001, 7, 7) << 14 << QStringList{"Answer for ANNA, born on 7 July 2001."} + leo << "Cancer";
    QTest::newRow("the next day in UTC+14")
        << "ANNA" << QDate(2001, 7, 8) << 14 << QStringList{"Answer for ANNA, born on 8 July 2001.", computed} << "";
    QTest::newRow("a change day in UTC-10 only")
        << "ANNA" << QDate(2001, 4, 30) << -10
        << QStringList{"Answer for ANNA, born on 30 April 2001.", computed,
                       "Eros moved from Taurus into Gemini at 00:02 UT on 1 May 2001, which was 14:02 on 30 April "
                       "2001 in this computer's time zone (UTC-10:00).",
                       "Born before that moment, Eros was in Taurus; born after it, in Gemini."}
        << "Gemini";
    QTest::newRow("a date nothing answers") << "ANNA" << QDate(2101, 1, 1) << 0 << QStringList{} << "";
}

void TestResultNotes::notes()
{
    QFETCH(QString, name);
    QFETCH(QDate, date);
    QFETCH(int, utcOffset);
    QFETCH(QStringList, expected);
    QFETCH(QString, otherSign);

    const astro::ResultNotes notes = astro::NotesFor(name, date, QTimeZone(utcOffset * 3600));
    QCOMPARE(QStringList(notes.answeredFor) + notes.lines, expected.isEmpty() ? QStringList{QString()} : expected);
    QCOMPARE(notes.sign.has_value(), !expected.isEmpty());
    QCOMPARE(notes.otherSign ? astro::SignName(*notes.otherSign) : QString(), otherSign);
}

QTEST_GUILESS_MAIN(TestResultNotes)
#include "tst_resultnotes.moc"
