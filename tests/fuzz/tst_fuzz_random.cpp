// The fuzz properties on a bounded stream of random inputs from a fixed
// seed: runs with any compiler (and under the sanitizer build), where the
// libFuzzer targets need clang. Inputs mix near-misses of valid texts with
// random bytes, so both matches and rejections are reached.

#include "FuzzChecks.h"

#include <QByteArray>
#include <QString>
#include <QTest>

#include <random>
#include <vector>

namespace {

using Random = std::mt19937;

template <class T>
const T &pick(Random &random, const std::vector<T> &from)
{
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

bool chance(Random &random, int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(random) < percent;
}

QString randomDigits(Random &random)
{
    QString s;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i)
        s.append(QChar(u'0' + std::uniform_int_distribution<int>(0, 9)(random)));
    return s;
}

QString randomChars(Random &random, int maxLength)
{
    // ASCII, Latin-1, other scripts, digits of other scripts, surrogates
    // (paired or not) and the odd control character.
    static const std::vector<std::pair<char16_t, char16_t>> ranges = {
        {0x20, 0x7e}, {0x00, 0x1f}, {0xa0, 0xff}, {0x0660, 0x0669}, {0xff10, 0xff19},
        {0x0400, 0x04ff}, {0x4e00, 0x4e50}, {0xd800, 0xdfff}, {0xfff0, 0xffff}, {0x0130, 0x0131},
    };
    QString s;
    const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
    for (int i = 0; i < length; ++i) {
        const auto &[low, high] = pick(random, ranges);
        s.append(QChar(static_cast<char16_t>(std::uniform_int_distribution<int>(low, high)(random))));
    }
    return s;
}

// Small edits of a text: a character changed, inserted or removed, or
// surrounding space, or a change of case.
QString mutate(Random &random, QString s)
{
    switch (std::uniform_int_distribution<int>(0, 6)(random)) {
    case 0:
        if (!s.isEmpty())
            s[std::uniform_int_distribution<qsizetype>(0, s.size() - 1)(random)] = randomChars(random, 1).append(u'x')[0];
        break;
    case 1:
        s.insert(std::uniform_int_distribution<qsizetype>(0, s.size())(random), randomChars(random, 2));
        break;
    case 2:
        if (!s.isEmpty())
            s.remove(std::uniform_int_distribution<qsizetype>(0, s.size() - 1)(random), 1);
        break;
    case 3:
        s = pick(random, std::vector<QString>{QStringLiteral(" "), QStringLiteral("+"), QStringLiteral("-"),
                                              QStringLiteral("0"), QStringLiteral("\t")})
            + s;
        break;
    case 4:
        s.append(u' ');
        break;
    case 5:
        s = s.toUpper();
        break;
    default:
        s = s.toLower();
        break;
    }
    return s;
}

// The byte form CheckLookup reads: a mode byte, then the texts joined by
// line feeds as UTF-8 (when they survive it) or as UTF-16.
QByteArray lookupInput(Random &random, const QString &year, const QString &month, const QString &day)
{
    const QString joined = year + u'\n' + month + u'\n' + day;
    QByteArray bytes;
    if (chance(random, 50)) {
        bytes.append('\0');
        bytes.append(joined.toUtf8());
    } else {
        bytes.append('\1');
        for (QChar c : joined) {
            bytes.append(char(c.unicode() & 0xff));
            bytes.append(char(c.unicode() >> 8));
        }
    }
    return bytes;
}

} // namespace

class TestFuzzRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookup();
    void referral();
    void knownInputsGiveKnownOutcomes();
};

void TestFuzzRandom::lookup()
{
    Random random(20261207);
    const std::vector<QString> months = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    int matches = 0;
    int rejections = 0;
    constexpr int Inputs = 100000;
    for (int i = 0; i < Inputs; ++i) {
        QString year = chance(random, 70) ? QString::number(std::uniform_int_distribution<int>(1930, 2000)(random))
                                          : randomDigits(random);
        QString month = chance(random, 80) ? pick(random, months) : randomChars(random, 10);
        QString day = chance(random, 80) ? QString::number(std::uniform_int_distribution<int>(-1, 40)(random))
                                         : randomDigits(random);
        for (QString *text : {&year, &month, &day}) {
            if (chance(random, 10))
                *text = mutate(random, *text);
        }
        QByteArray input = lookupInput(random, year, month, day);
        if (chance(random, 3)) // raw damage to the bytes themselves
            input[std::uniform_int_distribution<qsizetype>(0, input.size() - 1)(random)] = char(random());

        fuzzchecks::LookupOutcome outcome {};
        const std::string violation =
            fuzzchecks::CheckLookup(reinterpret_cast<const std::uint8_t *>(input.constData()), std::size_t(input.size()), &outcome);
        QVERIFY2(violation.empty(), violation.c_str());
        (outcome == fuzzchecks::LookupOutcome::Match ? matches : rejections)++;
    }
    // Both outcomes must be common, or the property was barely tried.
    QVERIFY2(matches > Inputs / 10, qPrintable(QString::number(matches)));
    QVERIFY2(rejections > Inputs / 10, qPrintable(QString::number(rejections)));
}

void TestFuzzRandom::referral()
{
    Random random(7122026);
    const std::vector<QString> pieces = {
        QStringLiteral("&"),   QStringLiteral("="),      QStringLiteral("%"),        QStringLiteral("%41"),
        QStringLiteral("+"),   QStringLiteral("#"),      QStringLiteral("?"),        QStringLiteral("/"),
        QStringLiteral(" "),   QStringLiteral("\n"),     QStringLiteral("&taf6="),   QStringLiteral("ann@example.com"),
        QStringLiteral("Zoë"), QStringLiteral("İstanbul"), QStringLiteral("\U0001F31F"), QStringLiteral("\uFFFD"),
    };
    constexpr int Inputs = 20000;
    for (int i = 0; i < Inputs; ++i) {
        QByteArray input;
        for (int field = 0; field < 5; ++field) {
            QString value;
            const int parts = std::uniform_int_distribution<int>(0, 6)(random);
            for (int p = 0; p < parts; ++p)
                value += chance(random, 50) ? pick(random, pieces) : randomChars(random, 8);
            if (field > 0)
                input.append('\0');
            // Lone surrogates cannot be written as UTF-8; they arrive as U+FFFD.
            input.append(value.toUtf8().replace('\0', "x"));
        }
        if (chance(random, 5)) // bytes that are not UTF-8 at all
            input.append(QByteArray("\xff\xfe\xc3", 3));
        const std::string violation =
            fuzzchecks::CheckReferral(reinterpret_cast<const std::uint8_t *>(input.constData()), std::size_t(input.size()));
        QVERIFY2(violation.empty(), violation.c_str());
    }
}

void TestFuzzRandom::knownInputsGiveKnownOutcomes()
{
    // The outcome counted above is the lookup's: a plain date matches, and a
    // look-alike digit from another script does not.
    fuzzchecks::LookupOutcome outcome {};
    const QByteArray good = QByteArray(1, '\0') + "1962\nMarch\n14";
    QCOMPARE(fuzzchecks::CheckLookup(reinterpret_cast<const std::uint8_t *>(good.constData()), std::size_t(good.size()), &outcome),
             std::string());
    QCOMPARE(outcome, fuzzchecks::LookupOutcome::Match);
    const QByteArray fullWidth = QByteArray(1, '\0') + QStringLiteral("196\uFF12\nMarch\n14").toUtf8();
    QCOMPARE(fuzzchecks::CheckLookup(reinterpret_cast<const std::uint8_t *>(fullWidth.constData()),
                                     std::size_t(fullWidth.size()), &outcome),
             std::string());
    QCOMPARE(outcome, fuzzchecks::LookupOutcome::NoMatch);

    // Delimiters and a noncharacter, which Qt's own decoder leaves alone.
    const QByteArray referral = QStringLiteral("a&taf2=b%41+#\uFFFE").toUtf8() + QByteArray(1, '\0') + "x";
    QCOMPARE(fuzzchecks::CheckReferral(reinterpret_cast<const std::uint8_t *>(referral.constData()),
                                       std::size_t(referral.size())),
             std::string());
}

QTEST_GUILESS_MAIN(TestFuzzRandom)
#include "tst_fuzz_random.moc"
