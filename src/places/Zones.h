#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <vector>

// The IANA time zones with their history from 1900 to 2100 (local mean time,
// summer, double summer and war time, skipped days), compiled in from
// tzdata so that Linux and Windows answer alike. Read on first use.
namespace places {

// The offset a zone's clocks showed at some moment.
struct Offset {
    int seconds = 0; // east of UT
    QString abbreviation; // as tzdata writes it: "BST", "BDST", "EWT", "LMT", "+14"
    bool daylightSaving = false;
};

namespace detail {
struct ZoneIndex;
}

class Zone
{
public:
    // Coordinated Universal Time: the zone Find("UTC") gives ("Etc/UTC").
    Zone();

    // The zone by its IANA name ("Europe/London", "Pacific/Kiritimati"),
    // exactly; aliases tzdata keeps (such as "US/Eastern") are accepted.
    static std::optional<Zone> Find(QStringView ianaName);

    // Its IANA name as tzdata spells it (an alias's zone's: "America/New_York"
    // for "US/Eastern").
    QString name() const;

    // The offset in force at that UT second (seconds since 1970-01-01T00:00Z).
    Offset offsetAt(qint64 utcSecond) const;

    // The UT seconds at which the zone's clocks showed that wall-clock time
    // (seconds since 1970-01-01T00:00 as written): none when the clocks
    // skipped it, two when they showed it twice (the earlier first).
    std::vector<qint64> utcFor(qint64 localSecond) const;

    friend bool operator==(const Zone &, const Zone &) = default;

private:
    friend struct detail::ZoneIndex;
    explicit Zone(int index) : m_index(index) {}
    int m_index = -1;
};

} // namespace places
