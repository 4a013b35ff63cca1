#include "astro/Sign.h"
#include "astro/SignReadings.h"
#include "support/ListTexts.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QTest>

using astro::Sign;
using namespace Qt::StringLiterals;

class TestReadings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingShape_data();
    void readingShape();
    void selection_data();
    void selection();
    void readingsAreDistinct();
    void noSentenceIsShared();
};

namespace {

constexpr char16_t EAcute = u'\u00E9';

qsizetype trailingSpaces(const QString &text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == u' ')
        ++n;
    return n;
}

} // namespace

void TestReadings::readingShape_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Sign>("sign");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<qsizetype>("trailing");
    QTest::addColumn<bool>("hasEAcute");
    QTest::addColumn<qsizetype>("innerDoubleSpaces");
    QTest::addColumn<bool>("endsWithStop");

    // name, sign, opening words, length, trailing spaces, é, inner double spaces, full stop
    QTest::newRow("Aries") << u"Aries"_s << Sign::Aries
                           << u"The placement or Eros in this cardinal fire sign is"_s
                           << qsizetype(708) << qsizetype(0) << false << qsizetype(0) << true;
    QTest::newRow("Taurus") << u"Taurus"_s << Sign::Taurus
                            << u"Dominated by the goddess of love, Venus, Taurus is steeped"_s
                            << qsizetype(680) << qsizetype(0) << false << qsizetype(0) << true;
    QTest::newRow("Gemini") << u"Gemini"_s << Sign::Gemini
                            << u"When Eros is coupled with Gemini, the sign of communication"_s
                            << qsizetype(658) << qsizetype(2) << true << qsizetype(0) << true;
    QTest::newRow("Cancer") << u"Cancer"_s << Sign::Cancer
                            << u"A person with Eros in Cancer is eager to share"_s
                            << qsizetype(708) << qsizetype(1) << false << qsizetype(1) << true;
    QTest::newRow("Leo") << u"Leo"_s << Sign::Leo
                         << u"When Eros, the God of love occupies this fiery sign,"_s
                         << qsizetype(663) << qsizetype(0) << false << qsizetype(0) << true;
    QTest::newRow("Virgo") << u"Virgo"_s << Sign::Virgo
                           << u"Whimsical and moody at times, you are a fine combination"_s
                           << qsizetype(752) << qsizetype(0) << false << qsizetype(0) << false;
    QTest::newRow("Libra") << u"Libra"_s << Sign::Libra
                           << u"Taking part in many activities with your partner is essential"_s
                           << qsizetype(693) << qsizetype(1) << false << qsizetype(0) << true;
    QTest::newRow("Scorpio") << u"Scorpio"_s << Sign::Scorpio
                             << u"The most intriguing position of 12 zodiacs, Eros is all"_s
                             << qsizetype(648) << qsizetype(1) << false << qsizetype(0) << true;
    QTest::newRow("Sagittarius") << u"Sagittarius"_s << Sign::Sagittarius
                                 << u"If you have Eros in Sagittarius, you are keen to"_s
                                 << qsizetype(855) << qsizetype(1) << false << qsizetype(1) << true;
    QTest::newRow("Capricorn") << u"Capricorn"_s << Sign::Capricorn
                               << u"Judgmental in your attitude towards others, you will never indulge"_s
                               << qsizetype(706) << qsizetype(0) << false << qsizetype(0) << true;
    QTest::newRow("Aquarius") << u"Aquarius"_s << Sign::Aquarius
                              << u"Following the same well-trodden path is not your way of"_s
                              << qsizetype(669) << qsizetype(1) << false << qsizetype(0) << true;
    QTest::newRow("Pisces") << u"Pisces"_s << Sign::Pisces
                            << u"In this sign, Eros loses his self assertive ego even"_s
                            << qsizetype(661) << qsizetype(0) << true << qsizetype(0) << true;
}

void TestReadings::readingShape()
{
    QFETCH(QString, name);
    QFETCH(Sign, sign);
    QFETCH(QString, opening);
    QFETCH(qsizetype, length);
    QFETCH(qsizetype, trailing);
    QFETCH(bool, hasEAcute);
    QFETCH(qsizetype, innerDoubleSpaces);
    QFETCH(bool, endsWithStop);

    const std::optional<QString> found = listtexts::ReadingFor(name);
    QVERIFY(found.has_value());
    const QString &text = *found;

    QCOMPARE(text, astro::Reading(sign));
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size() + 10)));
    QCOMPARE(text.size(), length);
    QCOMPARE(trailingSpaces(text), trailing);

    const QString body = text.chopped(trailing);
    QCOMPARE(body.endsWith(u'.'), endsWithStop);
    if (!endsWithStop)
        QVERIFY2(body.back().isLetter(), qPrintable(body.right(20)));

    // Counts overlapping pairs, so a run of three spaces shows up as two.
    QCOMPARE(body.count(u"  "), innerDoubleSpaces);

    QVERIFY(!text.contains(u'\n'));
    QVERIFY(!text.contains(u'\r'));
    QCOMPARE(text.contains(QChar(EAcute)), hasEAcute);

    // Plain printable ASCII, apart from é inside a word.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const QByteArray where = "position " + QByteArray::number(i) + ": "
            + text.mid(qMax<qsizetype>(0, i - 15), 30).toUtf8();
        if (c == EAcute)
            QVERIFY2(i > 0 && text.at(i - 1).isLetter(), where.constData());
        else
            QVERIFY2(c >= 0x20 && c < 0x7F, where.constData());
    }
}

void TestReadings::selection_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("found");
    QTest::addColumn<Sign>("sign");

    QString leoWithNul = u"Leo"_s;
    leoWithNul.append(QChar(u'\0'));

    QTest::newRow("Leo") << u"Leo"_s << true << Sign::Leo;
    QTest::newRow("first sign") << u"Aries"_s << true << Sign::Aries;
    QTest::newRow("last sign") << u"Pisces"_s << true << Sign::Pisces;
    QTest::newRow("empty") << QString() << false << Sign::Aries;
    QTest::newRow("upper case") << u"LEO"_s << false << Sign::Aries;
    QTest::newRow("lower case") << u"leo"_s << false << Sign::Aries;
    QTest::newRow("trailing space") << u"Leo "_s << false << Sign::Aries;
    QTest::newRow("leading space") << u" Leo"_s << false << Sign::Aries;
    QTest::newRow("trailing newline") << u"Pisces\n"_s << false << Sign::Aries;
    QTest::newRow("embedded nul") << leoWithNul << false << Sign::Aries;
    QTest::newRow("prefix") << u"Le"_s << false << Sign::Aries;
    QTest::newRow("longer") << u"Leon"_s << false << Sign::Aries;
    QTest::newRow("thirteenth sign") << u"Ophiuchus"_s << false << Sign::Aries;
}

void TestReadings::selection()
{
    QFETCH(QString, input);
    QFETCH(bool, found);
    QFETCH(Sign, sign);

    const std::optional<QString> reading = listtexts::ReadingFor(input);
    QCOMPARE(reading.has_value(), found);
    if (found)
        QCOMPARE(*reading, astro::Reading(sign));
}

void TestReadings::readingsAreDistinct()
{
    QSet<QString> texts;
    for (Sign sign : astro::AllSigns)
        texts.insert(astro::Reading(sign));
    QCOMPARE(texts.size(), astro::SignCount);
}

void TestReadings::noSentenceIsShared()
{
    QHash<QString, QString> ownerOf; // sentence -> sign it first appeared in
    for (Sign sign : astro::AllSigns) {
        const QString name = astro::SignName(sign);
        const QStringList sentences = astro::Reading(sign).split(u". "_s);
        for (const QString &raw : sentences) {
            // A reading's last sentence keeps its full stop after the split;
            // drop it so the sentence compares equal wherever it stands.
            QString sentence = raw.trimmed();
            if (sentence.endsWith(u'.'))
                sentence.chop(1);
            if (sentence.isEmpty())
                continue;
            const auto it = ownerOf.constFind(sentence);
            if (it != ownerOf.constEnd()) {
                const QString message = u"\"%1\" appears in %2 and %3"_s.arg(sentence, *it, name);
                QFAIL(qPrintable(message));
            }
            ownerOf.insert(sentence, name);
        }
    }
}

QTEST_APPLESS_MAIN(TestReadings)
#include "tst_readings.moc"
