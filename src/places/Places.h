#pragma once

#include "places/Zones.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The gazetteer: populated places of the world from GeoNames, each with its
// time zone, compiled in. Read on first use, never at start.
namespace places {

struct Place {
    QString name; // as GeoNames writes it: "São Paulo"
    QString countryCode; // ISO 3166-1 alpha-2: "BR"
    double latitude = 0; // degrees north
    double longitude = 0; // degrees east
    qint64 population = 0;
    Zone zone;

    // "São Paulo, BR": how the program names the place it took.
    QString label() const;
};

// The most populous place of that name, compared without regard to case or
// accents ("sao paulo" finds São Paulo). "Name, CC" narrows it to a country.
// Nothing for an empty name or one no place has.
std::optional<Place> FindPlace(QStringView query);

// Up to limit places whose name begins with prefix (compared as above), the
// most populous first: what a birthplace field offers as the user types.
QList<Place> PlacesStartingWith(QStringView prefix, int limit);

} // namespace places
