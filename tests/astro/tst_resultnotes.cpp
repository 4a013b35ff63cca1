#include "astro/ResultNotes.h"

#include <QTest>

// The result window's notes, line by line, without widgets.
class TestResultNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notes_data();
    void notes();
};

void TestResultNotes::notes_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("utcOffset"); // the computer's zone, in hours
    QTest::addColumn<QString>("notes"); // after the name and date, one a line
    QTest::addColumn<QString>("otherSign");

    const QString table = "The sign comes from the original table, which covers 1940 to 1990.";
    const QString sky = "The sign is computed from JPL's orbit of Eros, for 12:00 UT on this day.\n";
    const QString leo = sky + "Eros moved from Cancer into Leo at 15:15 UT on 6 July 2001, which was 05:15 on 7 July "
                              "2001 in this computer's time zone (UTC+14:00).\nBorn before that moment, Eros was in "
                              "Cancer; born after it, in Leo.";
    QTest::newRow("a day of the table") << QDate(1965, 3, 15) << 0 << table << "";
    QTest::newRow("a change day of the table")
        << QDate(1965, 3, 7) << 14
        << table + "\nOn this day the table has Eros moving from Capricorn into Aquarius; it gives no hour." << "";
    // 1980 opens on Aquarius after 1979 ended on Pisces: no change point.
    QTest::newRow("the sky disagrees") << QDate(1980, 1, 1) << 0
                                       << table + "\nThe computed sky puts Eros in Pisces at 12:00 UT on this day; "
                                                  "for 1940 to 1990 the program keeps the original table's answer."
                                       << "";
    QTest::newRow("a change day by UT") << QDate(2001, 7, 6) << 14 << leo << "Leo";
    QTest::newRow("a change day in UTC+14 only") << QDate(2001, 7, 7) << 14 << leo << "Cancer";
    QTest::newRow("a change day in UTC-10 only")
        << QDate(2001, 4, 30) << -10
        << sky + "Eros moved from Taurus into Gemini at 00:02 UT on 1 May 2001, which was 14:02 on 30 April 2001 in "
                 "this computer's time zone (UTC-10:00).\nBorn before that moment, Eros was in Taurus; born after "
                 "it, in Gemini."
        << "Gemini";
    QTest::newRow("no answer") << QDate(2101, 1, 1) << 0 << "" << "";
}

void TestResultNotes::notes()
{
    QFETCH(QDate, date);
    QFETCH(int, utcOffset);
    QFETCH(QString, notes);
    QFETCH(QString, otherSign);

    const astro::ResultNotes result = astro::NotesFor(QStringLiteral("ANNA"), date, QTimeZone(utcOffset * 3600));
    QCOMPARE(result.lines.join(u'\n'), notes);
    const QString answeredFor = date.toString(u"'Answer for ANNA, born on 'd MMMM yyyy.");
    QCOMPARE(result.answeredFor, notes.isEmpty() ? QString() : answeredFor);
    QCOMPARE(result.otherSign ? astro::SignName(*result.otherSign) : QString(), otherSign);
}

QTEST_GUILESS_MAIN(TestResultNotes)
#include "tst_resultnotes.moc"
