#include "places/Data.h"
#include "places/Zones.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cstring>
#include <QTimeZone>

using places::Zone;

namespace {

// Every zone's IANA name (aliases left out), from the compiled-in list.
QStringList zoneNames()
{
    QStringList names;
    const char *p = places::data::kZoneNames;
    for (int i = 0; i < places::data::kZoneCount; ++i, p += std::strlen(p) + 1)
        names.append(QString::fromLatin1(p));
    return names;
}

// The zones zone.tab lists for a country, in its order.
QStringList zoneNamesOfCountry(QStringView countryCode)
{
    const QStringList all = zoneNames();
    QStringList names;
    for (const places::data::CountryZone &cz : places::data::kCountryZones)
        if (QLatin1StringView(cz.country, 2) == countryCode && cz.zone < all.size())
            names.append(all[cz.zone]);
    return names;
}


// Seconds since 1970-01-01T00:00 of "1944-06-01T12:00": a UT moment or, for
// utcFor, a wall-clock time.
qint64 Ut(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso) + u'Z', Qt::ISODate).toSecsSinceEpoch();
}
const auto Wall = Ut;

#ifndef Q_OS_WIN
// Whether this system's tzdata is the one the zones were compiled from: its
// release, and the same bytes (a release may be packaged differently).
QString OtherTzdata()
{
    QFile file(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("this system has no tzdata.zi");
    const QByteArray zi = file.readAll();
    const QByteArray version = zi.left(zi.indexOf('\n')).mid(10);
    if (version != places::data::kTzdataVersion)
        return QStringLiteral("compiled from tzdata %1, this system has %2")
            .arg(QString::fromLatin1(places::data::kTzdataVersion), QString::fromLatin1(version));
    if (QCryptographicHash::hash(zi, QCryptographicHash::Sha256).toHex() != places::data::kTzdataSha256)
        return QStringLiteral("this system's tzdata %1 is packaged differently").arg(QString::fromLatin1(places::data::kTzdataVersion));
    return {};
}
#endif

} // namespace

class TestZones : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void countries_data();
    void countries();
    void offsets_data();
    void offsets();
    void wallClockTimes_data();
    void wallClockTimes();
    void agreesWithTheSystemsTzdata();
};

void TestZones::names_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("name"); // empty: no such zone

    QTest::newRow("zone") << "Europe/London" << "Europe/London";
    QTest::newRow("alias") << "US/Eastern" << "America/New_York";
    QTest::newRow("old spelling") << "Asia/Calcutta" << "Asia/Kolkata";
    QTest::newRow("UTC") << "UTC" << "Etc/UTC";
    QTest::newRow("not a zone") << "Foo/Bar" << "";
    QTest::newRow("case matters") << "europe/london" << "";
    QTest::newRow("a prefix") << "Europe/Lond" << "";
    QTest::newRow("empty") << "" << "";
}

void TestZones::names()
{
    QFETCH(QString, asked);
    QFETCH(QString, name);
    const std::optional<Zone> zone = Zone::Find(asked);
    QCOMPARE(zone ? zone->name() : QString(), name);
    if (name == u"Etc/UTC")
        QVERIFY(*zone == Zone());
}

void TestZones::countries_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QStringList>("first"); // the first of its zones, in zone.tab's order

    QTest::newRow("one zone") << "NL" << QStringList{"Europe/Amsterdam"};
    QTest::newRow("many") << "US" << QStringList{"America/New_York", "America/Detroit"};
    QTest::newRow("no such country") << "XX" << QStringList{};
    QTest::newRow("not a code") << "USA" << QStringList{};
}

void TestZones::countries()
{
    QFETCH(QString, country);
    QFETCH(QStringList, first);
    const QStringList zones = zoneNamesOfCountry(country);
    QCOMPARE(zones.mid(0, first.size()), first);
    QCOMPARE(zones.isEmpty(), first.isEmpty());
    for (const QString &zone : zones)
        QVERIFY2(places::Zone::Find(zone) && places::Zone::Find(zone)->name() == zone, qPrintable(zone));
}

void TestZones::offsets_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<qint64>("ut");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<bool>("dst");

    QTest::newRow("summer time") << "Europe/Berlin" << Ut("2000-07-01T12:00") << 7200 << "CEST" << true;
    QTest::newRow("winter") << "Europe/Berlin" << Ut("2000-01-15T12:00") << 3600 << "CET" << false;
    QTest::newRow("double summer time") << "Europe/London" << Ut("1944-06-01T12:00") << 7200 << "BDST" << true;
    QTest::newRow("war time") << "America/New_York" << Ut("1943-03-01T12:00") << -14400 << "EWT" << true;
    // Amsterdam kept its mean time, 0:19:32, as standard time until 1937;
    // Paris its own, 0:09:21, until 1911.
    QTest::newRow("Amsterdam mean time") << "Europe/Amsterdam" << Ut("1930-01-15T12:00") << 1172 << "AMT" << false;
    QTest::newRow("Paris mean time") << "Europe/Paris" << Ut("1900-01-01T00:00") << 561 << "PMT" << false;
    QTest::newRow("Paris after 1911") << "Europe/Paris" << Ut("1911-03-11T00:00") << 0 << "WET" << false;
    QTest::newRow("local mean time") << "America/Sao_Paulo" << Ut("1910-01-01T00:00") << -11188 << "LMT" << false;
    QTest::newRow("Kiritimati before 1995") << "Pacific/Kiritimati" << Ut("1994-12-31T09:59:59") << -36000 << "-10"
                                            << false;
    QTest::newRow("Kiritimati 2035") << "Pacific/Kiritimati" << Ut("2035-02-23T11:59") << 50400 << "+14" << false;
    QTest::newRow("rule after the last written year")
        << "America/New_York" << Ut("2099-07-04T12:00") << -14400 << "EDT" << true;
}

void TestZones::offsets()
{
    QFETCH(QString, zone);
    QFETCH(qint64, ut);
    QFETCH(int, offset);
    QFETCH(QString, abbreviation);
    QFETCH(bool, dst);
    const places::Offset found = Zone::Find(zone)->offsetAt(ut);
    QCOMPARE(found.seconds, offset);
    QCOMPARE(found.abbreviation, abbreviation);
    QCOMPARE(found.daylightSaving, dst);
}

void TestZones::wallClockTimes_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<qint64>("local");
    QTest::addColumn<QList<qint64>>("uts");

    QTest::newRow("an ordinary hour") << "Europe/Berlin" << Wall("2000-07-01T14:00")
                                      << QList<qint64>{Ut("2000-07-01T12:00")};
    QTest::newRow("double summer time") << "Europe/London" << Wall("1944-06-01T14:00")
                                        << QList<qint64>{Ut("1944-06-01T12:00")};
    QTest::newRow("Apia skipped 30 December 2011") << "Pacific/Apia" << Wall("2011-12-30T12:00") << QList<qint64>{};
    QTest::newRow("Apia's 29th") << "Pacific/Apia" << Wall("2011-12-29T23:59:59")
                                 << QList<qint64>{Ut("2011-12-30T09:59:59")};
    QTest::newRow("Apia's 31st") << "Pacific/Apia" << Wall("2011-12-31T00:00") << QList<qint64>{Ut("2011-12-30T10:00")};
    QTest::newRow("Kiritimati skipped 31 December 1994")
        << "Pacific/Kiritimati" << Wall("1994-12-31T12:00") << QList<qint64>{};
    QTest::newRow("spring forward") << "America/New_York" << Wall("2021-03-14T02:30") << QList<qint64>{};
    QTest::newRow("the repeated hour") << "America/New_York" << Wall("2021-11-07T01:30")
                                       << QList<qint64>{Ut("2021-11-07T05:30"), Ut("2021-11-07T06:30")};
    QTest::newRow("just after it") << "America/New_York" << Wall("2021-11-07T02:00")
                                   << QList<qint64>{Ut("2021-11-07T07:00")};
}

void TestZones::wallClockTimes()
{
    QFETCH(QString, zone);
    QFETCH(qint64, local);
    QFETCH(QList<qint64>, uts);
    const std::vector<qint64> found = Zone::Find(zone)->utcFor(local);
    QCOMPARE(QList<qint64>(found.begin(), found.end()), uts);
}

// Every compiled zone against Qt's reading of the same tzdata at instants
// spread over 1900-2100; and each instant's wall-clock time leads back to it.
void TestZones::agreesWithTheSystemsTzdata()
{
#ifdef Q_OS_WIN
    QSKIP("Qt's Windows zones carry no history to compare with");
#else
    if (const QString other = OtherTzdata(); !other.isEmpty())
        QSKIP(qPrintable(other));
    QRandomGenerator random(1944);
    const qint64 from = Ut("1900-01-01T00:00"), to = Ut("2100-12-31T00:00");
    const QStringList names = zoneNames();
    QVERIFY(names.size() > 400);
    for (const QString &name : names) {
        const Zone zone = *Zone::Find(name);
        const QTimeZone qt(name.toLatin1());
        QVERIFY2(qt.isValid(), qPrintable(name));
        for (int i = 0; i < 2000; ++i) {
            const qint64 ut = from + qint64(random.bounded(quint64(to - from)));
            const places::Offset offset = zone.offsetAt(ut);
            const QDateTime at = QDateTime::fromSecsSinceEpoch(ut, QTimeZone::utc());
            // (Qt 6.4 judges daylight saving by the offset alone: Buenos
            // Aires's summer of 1999-2000 kept -03, which tzdata marks.)
            if (offset.seconds != qt.offsetFromUtc(at) || offset.abbreviation != qt.abbreviation(at))
                QFAIL(qPrintable(QStringLiteral("%1 at %2: %3 s %4, Qt %5 s %6")
                                     .arg(name, at.toString(Qt::ISODate))
                                     .arg(offset.seconds)
                                     .arg(offset.abbreviation)
                                     .arg(qt.offsetFromUtc(at))
                                     .arg(qt.abbreviation(at))));
            const std::vector<qint64> back = zone.utcFor(ut + offset.seconds);
            if (std::find(back.begin(), back.end(), ut) == back.end())
                QFAIL(qPrintable(QStringLiteral("%1 at %2: the wall-clock time does not lead back")
                                     .arg(name, at.toString(Qt::ISODate))));
        }
    }
#endif
}

QTEST_GUILESS_MAIN(TestZones)
#include "tst_zones.moc"
