#include "places/Places.h"

#include <QTest>

class TestPlaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void find_data();
    void find();
    void startingWith_data();
    void startingWith();
};

void TestPlaces::find_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("label"); // empty: nothing found
    QTest::addColumn<QString>("zone");

    QTest::newRow("the most populous London") << "london" << "London, GB" << "Europe/London";
    QTest::newRow("without accents") << "sao paulo" << "São Paulo, BR" << "America/Sao_Paulo";
    QTest::newRow("case and spaces") << "  SÃO   PAULO " << "São Paulo, BR" << "America/Sao_Paulo";
    QTest::newRow("umlaut") << "zurich" << "Zürich, CH" << "Europe/Zurich";
    QTest::newRow("through the ASCII spelling") << "lodz" << "Łódź, PL" << "Europe/Warsaw";
    QTest::newRow("Paris") << "Paris" << "Paris, FR" << "Europe/Paris";
    QTest::newRow("narrowed to a country") << "Paris, US" << "Paris, US" << "America/Chicago";
    QTest::newRow("country in lower case") << "london,ca" << "London, CA" << "America/Toronto";
    QTest::newRow("a country without it") << "Paris, JP" << "" << "";
    QTest::newRow("a prefix is not a name") << "Lond" << "" << "";
    QTest::newRow("unknown") << "Nowhereville" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("only a country") << ", US" << "" << "";
}

void TestPlaces::find()
{
    QFETCH(QString, query);
    QFETCH(QString, label);
    QFETCH(QString, zone);
    const std::optional<places::Place> place = places::FindPlace(query);
    QCOMPARE(place ? place->label() : QString(), label);
    if (place)
        QCOMPARE(place->zone.name(), zone);
}

void TestPlaces::startingWith_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("most populous first") << "lond" << 3 << QStringList{"London, GB", "Londrina, BR", "London, CA"};
    QTest::newRow("accents") << "zuri" << 1 << QStringList{"Zürich, CH"};
    QTest::newRow("in a country") << "paris, us" << 5 << QStringList{"Paris, US"};
    QTest::newRow("nothing begins so") << "qqzx" << 5 << QStringList{};
    QTest::newRow("no room") << "lond" << 0 << QStringList{};
}

void TestPlaces::startingWith()
{
    QFETCH(QString, prefix);
    QFETCH(int, limit);
    QFETCH(QStringList, labels);
    QStringList found;
    for (const places::Place &place : places::PlacesStartingWith(prefix, limit))
        found.append(place.label());
    QCOMPARE(found, labels);

    // A long list keeps the order too.
    const QList<places::Place> many = places::PlacesStartingWith(u"san", 200);
    QCOMPARE(many.size(), 200);
    for (qsizetype i = 1; i < many.size(); ++i)
        QVERIFY2(many[i - 1].population >= many[i].population, qPrintable(many[i].label()));
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
