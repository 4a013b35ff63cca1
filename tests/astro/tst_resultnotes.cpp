#include "astro/Answer.h"
#include "astro/ResultNotes.h"

#include <QTest>

// A birth through the one answer path, and what the result window says of
// it, line by line, without widgets.
class TestResultNotes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void notes_data();
    void notes();
    void refusals_data();
    void refusals();
};

namespace {

// "": the date alone, read in a computer at UTC+hours; "+HH:MM": a fixed
// offset; otherwise an IANA zone, as a birthplace gives it.
astro::Birth birth(const QString &date, const QString &time, const QString &clock, int hours)
{
    astro::Birth b;
    const QStringList ymd = date.split(u'-');
    b.year = ymd[0].toInt();
    b.month = ymd[1].toInt();
    b.day = ymd[2].toInt();
    if (!time.isEmpty())
        b.minuteOfDay = time.section(u':', 0, 0).toInt() * 60 + time.section(u':', 1, 1).toInt();
    if (clock.isEmpty()) {
        b.reckoning = astro::Reckoning::FixedOffset(hours * 3600);
        b.reckoning.computers = true;
        b.dateOnly = time.isEmpty();
    } else if (clock.startsWith(u'+') || clock.startsWith(u'-')) {
        b.reckoning = astro::Reckoning::FixedOffset((clock.mid(1, 2).toInt() * 60 + clock.mid(4, 2).toInt()) * 60
                                                    * (clock.startsWith(u'-') ? -1 : 1));
    } else {
        b.reckoning = astro::Reckoning::InZone(*places::Zone::Find(clock), clock.section(u'/', -1));
    }
    return b;
}

} // namespace

void TestResultNotes::notes_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<int>("utcOffset"); // the computer's, in hours, for the date alone
    QTest::addColumn<QString>("views"); // each reading offered: the headline, then "=" and the sign shown
    QTest::addColumn<QString>("notes"); // after the name and date, one a line, with the first view

    const QString table = "The sign comes from the original table, which covers 1940 to 1990.";
    const QString sky = "The sign is computed from JPL's orbit of Eros, for 12:00 UT on this day.\n";
    QTest::newRow("a day of the table") << "1965-03-15" << "" << "" << 0 << "Aquarius=Aquarius"
        << table + "\nIn the computed sky, over the day in UT, Eros moved from 4°24′ to 4°57′ Aquarius.";
    QTest::newRow("a change day of the table: the sky's hour, and the sign before")
        << "1965-03-07" << "" << "" << 14 << "Aquarius=Aquarius|Capricorn=Capricorn"
        << table + "\nIn the computed sky, over the day in UT, Eros moved from 29°58′ Capricorn to 0°32′ Aquarius.\n"
                   "On this day the table has Eros moving from Capricorn into Aquarius; it gives no hour.\n"
                   "The computed sky has that change at 00:55 UT on 7 March 1965, which was 14:55 on 7 March 1965 "
                   "local time (UTC+14:00).";
    QTest::newRow("the table's change day where the sky's comes later")
        << "1965-05-04" << "" << "" << 0 << "Pisces=Pisces|Aquarius=Aquarius"
        << table + "\nIn the computed sky, over the day in UT, Eros moved from 29°42′ Aquarius to 0°10′ Pisces.\n"
                   "That is in Aquarius, not in the table's Pisces, which the program keeps.\n"
                   "On this day the table has Eros moving from Aquarius into Pisces; it gives no hour.\n"
                   "The computed sky has that change at 14:58 UT on 4 May 1965.\n"
                   "The computed sky puts Eros in Aquarius at 12:00 UT on this day; for 1940 to 1990 the program "
                   "keeps the original table's answer, Pisces.";
    QTest::newRow("the sky disagrees with the table")
        << "1979-09-15" << "" << "" << 0 << "Pisces=Pisces|Aquarius=Aquarius"
        << table + "\nIn the computed sky, over the day in UT, Eros moved from 13°15′ to 13°02′ Aquarius.\n"
                   "Eros was retrograde ℞ all day.\n"
                   "That is in Aquarius, not in the table's Pisces, which the program keeps.\n"
                   "The computed sky puts Eros in Aquarius at 12:00 UT on this day; for 1940 to 1990 the program "
                   "keeps the original table's answer, Pisces.";
    QTest::newRow("a change day in UTC-10 only")
        << "2001-04-30" << "" << "" << -10 << "Taurus=Taurus|Gemini=Gemini"
        << "The reading shown is for Taurus: for births before 00:02 UT on 1 May 2001, which was 14:02 on 30 April "
           "2001 local time (UTC-10:00).\n"
           + sky + "Over the day in UT Eros moved from 29°08′ to 29°59′ Taurus.\n"
           + "Eros moved from Taurus into Gemini at 00:02 UT on 1 May 2001, which was 14:02 on 30 April 2001 local "
             "time (UTC-10:00).\nIf you were born before 14:02 local time, Eros was in Taurus; if later, in Gemini.\n"
             "Give your time of birth for one sign.";
    QTest::newRow("a change day by UT, at UTC, within the model's error of noon")
        << "2035-02-23" << "" << "" << 0 << "Sagittarius=Sagittarius|Scorpio=Scorpio"
        << "The reading shown is for Sagittarius: for births at or after 11:59 UT on 23 February 2035.\n" + sky
               + "Over the day in UT Eros moved from 29°43′ Scorpio to 0°16′ Sagittarius.\n"
                 "Eros moved from Scorpio into Sagittarius at 11:59 UT on 23 February 2035.\n"
                 "If you were born before 11:59 UT, Eros was in Scorpio; if later, in Sagittarius.\n"
                 "Give your time of birth for one sign.\n"
                 // 2.1 arcseconds past the boundary at noon.
                 "Eros was then within 5″ of the boundary between Scorpio and Sagittarius, closer than the model's "
                 "error: the sign could be either.";
    // Eros entered Sagittarius at 11:59 UT on 23 February 2035, 01:59 on the
    // 24th at UTC+14: the whole local 23rd was Scorpio.
    QTest::newRow("Kiritimati's whole day, before the change")
        << "2035-02-23" << "" << "Pacific/Kiritimati" << 0 << "Scorpio=Scorpio"
        << "The sign is computed from JPL's orbit of Eros, for the whole day at the birthplace.\n"
           "Over the local day Eros moved from 29°24′ to 29°57′ Scorpio.";
    QTest::newRow("Kiritimati's day of the change: both signs, the local hour")
        << "2035-02-24" << "" << "Pacific/Kiritimati" << 0
        << "Scorpio or Sagittarius=Scorpio|Scorpio or Sagittarius=Sagittarius"
        << "The reading shown is for Scorpio: for births before 01:59 local time.\n"
           "The sign is computed from JPL's orbit of Eros, for the whole day at the birthplace.\n"
           "Over the local day Eros moved from 29°57′ Scorpio to 0°29′ Sagittarius.\n"
           "Eros moved from Scorpio into Sagittarius at 11:59 UT on 23 February 2035, which was 01:59 on 24 February "
           "2035 local time (Pacific/Kiritimati, UTC+14:00).\n"
           "If you were born before 01:59 local time, Eros was in Scorpio; if later, in Sagittarius.\n"
           "Give your time of birth for one sign.";
    QTest::newRow("Kiritimati, a time: one sign, and the changes either side")
        << "2035-02-24" << "01:40" << "Pacific/Kiritimati" << 0 << "Scorpio=Scorpio"
        << "The sign is computed from JPL's orbit of Eros, for the moment of your birth.\n"
           "Eros stood at 29°59′ Scorpio.\n"
           "You were born at 01:40 on 24 February 2035 local time (Pacific/Kiritimati, UTC+14:00), which was 11:40 "
           "UT on 23 February 2035.\n"
           "Eros had entered Scorpio 43 days 12 hours before your birth and moved on into Sagittarius 19 minutes "
           "after it.";
    QTest::newRow("a moment within the model's error of the change")
        << "2035-02-23" << "11:59" << "+00:00" << 0 << "Sagittarius=Sagittarius|Scorpio=Scorpio"
        << "The sign is computed from JPL's orbit of Eros, for the moment of your birth.\n"
           "Eros stood at 0°00′ Sagittarius.\n"
           "You were born at 11:59 UT on 23 February 2035.\n"
           "Eros had entered Sagittarius less than a minute before your birth and moved on into Scorpio 88 days 14 "
           "hours after it.\n"
           "Eros was then within 5″ of the boundary between Scorpio and Sagittarius, closer than the model's "
           "error: the sign could be either.";
    QTest::newRow("double summer time")
        << "1944-06-06" << "10:00" << "Europe/London" << 0 << "Aries=Aries"
        << table + "\nIn the computed sky Eros stood at 0°39′ Aries.\nYou were born at 10:00 on 6 June 1944 local time (Europe/London, BDST, UTC+02:00), which was "
                   "08:00 UT on 6 June 1944.";
    QTest::newRow("war time")
        << "1943-03-01" << "10:00" << "America/New_York" << 0 << "Aries=Aries"
        << table + "\nIn the computed sky Eros stood at 25°04′ Aries.\nYou were born at 10:00 on 1 March 1943 local time (America/New_York, EWT, UTC-04:00), which "
                   "was 14:00 UT on 1 March 1943.";
    QTest::newRow("Paris mean time, to the second")
        << "1905-06-01" << "10:00" << "Europe/Paris" << 0 << "Aquarius=Aquarius"
        << "The sign is computed from JPL's orbit of Eros, for the moment of your birth.\n"
           "Eros stood at 22°05′ Aquarius.\n"
           "You were born at 10:00 on 1 June 1905 local time (Europe/Paris, PMT, UTC+00:09:21), which was 09:50 UT "
           "on 1 June 1905.\n"
           "Eros had entered Aquarius 61 days 4 hours before your birth and moved on into Pisces 196 days 23 hours "
           "after it.";
    QTest::newRow("a repeated hour, one sign")
        << "2021-11-07" << "01:30" << "America/New_York" << 0 << "Capricorn=Capricorn"
        << "The sign is computed from JPL's orbit of Eros, for the moment of your birth.\n"
           "Eros stood at 19°13′ Capricorn.\n"
           "The clocks there showed that time twice: at 05:30 UT on 7 November 2021, which was 01:30 on 7 November "
           "2021 local time (America/New_York, EDT, UTC-04:00) and at 06:30 UT on 7 November 2021, which was 01:30 "
           "on 7 November 2021 local time (America/New_York, EST, UTC-05:00).";
    QTest::newRow("a fixed offset of zero is UT")
        << "2050-09-01" << "14:00" << "+00:00" << 0 << "Leo=Leo"
        << "The sign is computed from JPL's orbit of Eros, for the moment of your birth.\n"
           "Eros stood at 0°04′ Leo.\n"
           "You were born at 14:00 UT on 1 September 2050.\n"
           "Eros had entered Leo 2 hours 2 minutes before your birth and moved on into Virgo 32 days 6 hours after it.";
}

void TestResultNotes::notes()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, clock);
    QFETCH(int, utcOffset);
    QFETCH(QString, views);
    QFETCH(QString, notes);

    const astro::Answer answer = astro::AnswerFor(birth(date, time, clock, utcOffset));
    QVERIFY(answer.ok());
    const astro::ResultNotes result = astro::NotesFor(QStringLiteral("ANNA"), answer);
    QStringList offered;
    for (const astro::ResultNotes::View &v : result.views)
        offered << v.headline + u'=' + astro::SignName(v.sign);
    QCOMPARE(offered.join(u'|'), views);
    QCOMPARE(result.linesWith(0).join(u'\n'), notes);
    QVERIFY(result.answeredFor.startsWith(QStringLiteral("Answer for ANNA, born on ")));
    // Each other view opens the notes with the births it is for.
    for (std::size_t v = 1; v < result.views.size(); ++v)
        QVERIFY(result.linesWith(v).first().startsWith(QStringLiteral("The reading shown is for ")));
}

void TestResultNotes::refusals_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<int>("refusal");

    QTest::newRow("after the years") << "2101-01-01" << "" << "" << int(astro::Refusal::NotADate);
    QTest::newRow("a day the month lacks") << "2100-02-29" << "" << "" << int(astro::Refusal::NotADate);
    QTest::newRow("a skipped hour") << "2021-03-14" << "02:30" << "America/New_York" << int(astro::Refusal::SkippedTime);
    QTest::newRow("a skipped day") << "2011-12-30" << "" << "Pacific/Apia" << int(astro::Refusal::SkippedDay);
    QTest::newRow("before the sky's first minute") << "1900-01-01" << "00:30" << "+14:00" << int(astro::Refusal::OutOfRange);
}

void TestResultNotes::refusals()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, clock);
    QFETCH(int, refusal);

    const astro::Answer answer = astro::AnswerFor(birth(date, time, clock, 0));
    QCOMPARE(int(answer.refusal), refusal);
    QVERIFY(!answer.ok());
    QVERIFY(astro::NotesFor(QStringLiteral("ANNA"), answer).views.empty());
}

QTEST_GUILESS_MAIN(TestResultNotes)
#include "tst_resultnotes.moc"
