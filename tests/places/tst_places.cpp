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
    QTest::addColumn<QList<double>>("where"); // latitude, longitude, population, where checked

    const QList<double> any;
    QTest::newRow("the most populous London") << "london" << "London, GB" << "Europe/London"
                                              << QList<double>{51.50853, -0.12574, 8961989};
    QTest::newRow("without accents") << "sao paulo" << "São Paulo, BR" << "America/Sao_Paulo"
                                     << QList<double>{-23.5475, -46.63611, 12400232};
    QTest::newRow("case and spaces") << "  SÃO   PAULO " << "São Paulo, BR" << "America/Sao_Paulo" << any;
    QTest::newRow("umlaut") << "zurich" << "Zürich, CH" << "Europe/Zurich" << any;
    QTest::newRow("through the ASCII spelling") << "lodz" << "Łódź, PL" << "Europe/Warsaw" << any;
    QTest::newRow("Paris") << "Paris" << "Paris, FR" << "Europe/Paris" << any;
    QTest::newRow("narrowed to a country") << "Paris, US" << "Paris, US" << "America/Chicago"
                                           << QList<double>{33.66094, -95.55551, 24782};
    QTest::newRow("country in lower case") << "london,ca" << "London, CA" << "America/Toronto" << any;
    QTest::newRow("a zone's namesake the gazetteer lacks") << "kiritimati" << "Kiritimati, KI" << "Pacific/Kiritimati" << any;
    QTest::newRow("a country without it") << "Paris, JP" << "" << "" << any;
    QTest::newRow("a prefix is not a name") << "Lond" << "" << "" << any;
    QTest::newRow("unknown") << "Nowhereville" << "" << "" << any;
    QTest::newRow("empty") << "" << "" << "" << any;
    QTest::newRow("only a country") << ", US" << "" << "" << any;
}

void TestPlaces::find()
{
    QFETCH(QString, query);
    QFETCH(QString, label);
    QFETCH(QString, zone);
    QFETCH(QList<double>, where);
    const std::optional<places::Place> place = places::FindPlace(query);
    QCOMPARE(place ? place->label() : QString(), label);
    if (!place)
        return;
    QCOMPARE(place->zone.name(), zone);
    if (!where.isEmpty()) {
        QCOMPARE(place->latitude, where[0]);
        QCOMPARE(place->longitude, where[1]);
        QCOMPARE(double(place->population), where[2]);
    }
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
    QTest::newRow("a zone's namesake after the towns") << "kiriti" << 5 << QStringList{"Kiritimati, KI"};
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
