#include "places/Places.h"

#include "places/Data.h"
#include "places/ZoneIndex.h"

#include <algorithm>
#include <cstring>

namespace places {

namespace {

// Lower case without accents: "São Paulo" and "sao  paulo" are both "sao paulo".
QString Fold(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const auto category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining
            && category != QChar::Mark_Enclosing)
            kept += c;
    }
    return kept.toLower().simplified();
}

// Every place's folded name and ASCII spelling, sorted: built on the first
// search, never at start.
class Index
{
public:
    Index()
    {
        m_nameAt.reserve(data::kPlaceCount);
        const char *p = data::kPlaceNames;
        for (int place = 0; place < data::kPlaceCount; ++place) {
            m_nameAt.push_back(quint32(p - data::kPlaceNames));
            const std::size_t length = std::strlen(p);
            const QByteArrayView text(p, qsizetype(length));
            const qsizetype tab = text.indexOf('\t');
            add(text.first(tab < 0 ? text.size() : tab), place);
            if (tab >= 0)
                add(text.sliced(tab + 1), place);
            p += length + 1;
        }
        std::sort(m_keys.begin(), m_keys.end(), [this](const Key &a, const Key &b) {
            const int order = key(a).compare(key(b));
            return order != 0 ? order < 0 : a.place < b.place;
        });
    }

    // The places whose folded name equals (or only begins with) `folded`,
    // in the order of the list: the most populous first.
    std::vector<int> matching(const QString &folded, bool prefixOnly) const
    {
        const auto first = std::lower_bound(m_keys.begin(), m_keys.end(), folded,
                                            [this](const Key &k, const QString &q) { return key(k).compare(q) < 0; });
        std::vector<int> found;
        for (auto it = first; it != m_keys.end(); ++it) {
            const QStringView name = key(*it);
            if (prefixOnly ? !name.startsWith(folded) : name != folded)
                break;
            found.push_back(int(it->place));
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        return found;
    }

    QString nameOf(int place) const
    {
        const char *p = data::kPlaceNames + m_nameAt[std::size_t(place)];
        const char *tab = std::strchr(p, '\t');
        return QString::fromUtf8(p, tab ? tab - p : qsizetype(std::strlen(p)));
    }

private:
    struct Key {
        quint32 start; // in m_folded
        quint32 length;
        quint32 place;
    };

    void add(QByteArrayView utf8, int place)
    {
        const QString folded = Fold(QString::fromUtf8(utf8));
        m_keys.push_back({quint32(m_folded.size()), quint32(folded.size()), quint32(place)});
        m_folded += folded;
    }

    QStringView key(const Key &k) const { return QStringView(m_folded).mid(k.start, k.length); }

    std::vector<quint32> m_nameAt; // each place's text in kPlaceNames
    QString m_folded;
    std::vector<Key> m_keys;
};

const Index &TheIndex()
{
    static const Index index;
    return index;
}

QString CountryOf(int place)
{
    return QString::fromLatin1(data::kCountryCodes + 2 * data::kPlaces[place].country(), 2);
}

Place PlaceAt(int index)
{
    const data::PlaceRow &row = data::kPlaces[index];
    Place place;
    place.name = TheIndex().nameOf(index);
    place.countryCode = CountryOf(index);
    place.latitude = row.latitude() / 1e5;
    place.longitude = row.longitude() / 1e5;
    place.population = row.population();
    place.zone = detail::ZoneIndex::at(row.zone());
    return place;
}

// "Name" or "Name, CC": the folded name and the country asked for, if any.
struct Query {
    QString name;
    QString country;
};

Query Parse(QStringView text)
{
    const qsizetype comma = text.lastIndexOf(u',');
    if (comma >= 0) {
        const QStringView code = text.mid(comma + 1).trimmed();
        auto isLetter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
        if (code.size() == 2 && isLetter(code[0]) && isLetter(code[1]))
            return {Fold(text.left(comma)), code.toString().toUpper()};
    }
    return {Fold(text), {}};
}

std::vector<int> Matches(QStringView text, bool prefixOnly)
{
    const Query query = Parse(text);
    if (query.name.isEmpty())
        return {};
    std::vector<int> found = TheIndex().matching(query.name, prefixOnly);
    if (!query.country.isEmpty())
        std::erase_if(found, [&](int place) { return CountryOf(place) != query.country; });
    return found;
}

} // namespace

QString Place::label() const { return name + QLatin1StringView(", ") + countryCode; }

// A zone named after the place asked for ("Kiritimati": Pacific/Kiritimati):
// the gazetteer keeps towns of 15,000 and more, and some zones' namesakes are
// smaller, or islands rather than towns.
QList<Place> ZoneNamesakes(QStringView text, bool prefixOnly)
{
    QList<Place> found;
    const Query query = Parse(text);
    if (query.name.isEmpty())
        return found;
    for (const data::CountryZone &cz : data::kCountryZones) {
        const Zone zone = detail::ZoneIndex::at(cz.zone);
        const QString city = zone.name().section(u'/', -1).replace(u'_', u' ');
        const QString country = QString::fromLatin1(cz.country, 2);
        const QString folded = Fold(city);
        if ((prefixOnly ? folded.startsWith(query.name) : folded == query.name)
            && (query.country.isEmpty() || query.country == country)) {
            Place place;
            place.name = city;
            place.countryCode = country;
            place.zone = zone;
            found.append(place);
        }
    }
    return found;
}

std::optional<Place> FindPlace(QStringView query)
{
    const std::vector<int> found = Matches(query, false);
    if (found.empty()) {
        const QList<Place> namesakes = ZoneNamesakes(query, false);
        return namesakes.isEmpty() ? std::nullopt : std::optional<Place>(namesakes.front());
    }
    return PlaceAt(found.front());
}

QList<Place> PlacesStartingWith(QStringView prefix, int limit)
{
    QList<Place> places;
    if (limit <= 0)
        return places;
    const std::vector<int> found = Matches(prefix, true);
    for (std::size_t i = 0; i < found.size() && places.size() < limit; ++i)
        places.append(PlaceAt(found[i]));
    // Then the zones' namesakes the gazetteer lacks, as FindPlace takes them.
    for (const Place &namesake : ZoneNamesakes(prefix, true)) {
        if (places.size() >= limit)
            break;
        if (!FindPlace(namesake.name + QStringLiteral(", ") + namesake.countryCode)->population)
            places.append(namesake);
    }
    return places;
}

} // namespace places
