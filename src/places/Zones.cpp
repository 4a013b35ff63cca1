#include "places/Zones.h"

#include "places/Data.h"
#include "places/ZoneIndex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

namespace places {

namespace {

constexpr qint64 kStreamEpoch = -2208988800; // 1900-01-01T00:00Z, where each zone's deltas start

// The n-th NUL-terminated name in a list of them.
const char *NthName(const char *names, int n)
{
    while (n-- > 0)
        names += std::strlen(names) + 1;
    return names;
}

// One zone's transitions, read from kZoneStream on its first use.
struct History {
    unsigned short before = 0; // the type in force before the first transition
    std::vector<qint64> at; // UT seconds, ascending
    std::vector<unsigned short> type;
};

class StreamReader
{
public:
    explicit StreamReader(unsigned int offset) : m_pos(offset) {}
    quint64 next()
    {
        quint64 value = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = static_cast<unsigned char>(data::kZoneStream[m_pos++]);
            value |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return value;
        }
    }

private:
    unsigned int m_pos;
};

const History &HistoryOf(int index);

History Decode(int index)
{
    History h;
    StreamReader in(data::kZoneStart[index]);
    h.before = static_cast<unsigned short>(in.next());
    const quint64 own = in.next();
    qint64 time = kStreamEpoch;
    for (quint64 i = 0; i < own; ++i) {
        time += static_cast<qint64>(in.next());
        h.at.push_back(time);
        h.type.push_back(static_cast<unsigned short>(in.next()));
    }
    if (const quint64 tail = in.next()) {
        // The rest is another zone's from one of its transitions on; that
        // zone comes earlier in the list, so this ends.
        const quint64 from = in.next();
        const History &other = HistoryOf(static_cast<int>(tail - 1));
        h.at.insert(h.at.end(), other.at.begin() + qsizetype(from), other.at.end());
        h.type.insert(h.type.end(), other.type.begin() + qsizetype(from), other.type.end());
    }
    return h;
}

const History &HistoryOf(int index)
{
    // Built on a zone's first use, never at start.
    static std::array<std::once_flag, data::kZoneCount> once;
    static std::array<History, data::kZoneCount> histories;
    std::call_once(once[std::size_t(index)], [index] { histories[std::size_t(index)] = Decode(index); });
    return histories[std::size_t(index)];
}

Offset OffsetOfType(unsigned short type)
{
    const data::LocalTimeType &t = data::kLocalTimeTypes[type];
    return {t.offset, QString::fromLatin1(NthName(data::kAbbreviations, t.abbreviation)), t.daylightSaving};
}

int ZoneCalled(QStringView name)
{
    const char *p = data::kZoneNames;
    for (int i = 0; i < data::kZoneCount + data::kAliasCount; ++i) {
        const std::size_t length = std::strlen(p);
        if (QLatin1StringView(p, qsizetype(length)) == name)
            return i < data::kZoneCount ? i : data::kAliasTargets[i - data::kZoneCount];
        p += length + 1;
    }
    return -1;
}

int UtcIndex()
{
    static const int index = ZoneCalled(u"Etc/UTC");
    return index;
}

} // namespace

Zone detail::ZoneIndex::at(int index) { return Zone(index); }

Zone::Zone() : m_index(UtcIndex()) {}

std::optional<Zone> Zone::Find(QStringView ianaName)
{
    const int index = ZoneCalled(ianaName);
    if (index < 0)
        return std::nullopt;
    return Zone(index);
}

QString Zone::name() const { return QString::fromLatin1(NthName(data::kZoneNames, m_index)); }

Offset Zone::offsetAt(qint64 utcSecond) const
{
    const History &h = HistoryOf(m_index);
    const auto after = std::upper_bound(h.at.begin(), h.at.end(), utcSecond);
    if (after == h.at.begin())
        return OffsetOfType(h.before);
    return OffsetOfType(h.type[std::size_t(after - h.at.begin() - 1)]);
}

std::vector<qint64> Zone::utcFor(qint64 localSecond) const
{
    // Each span between transitions keeps one offset; the wall-clock time
    // belongs to a span if taking that offset away lands in it. Offsets stay
    // within a day and a bit of UT, so only the spans near it can.
    const History &h = HistoryOf(m_index);
    constexpr qint64 reach = 30 * 3600;
    const auto first = std::upper_bound(h.at.begin(), h.at.end(), localSecond - reach);
    const auto last = std::upper_bound(h.at.begin(), h.at.end(), localSecond + reach);
    std::vector<qint64> found;
    // Span k runs from transition k - 1 (or the beginning) to transition k.
    for (auto span = first - h.at.begin(); span <= last - h.at.begin(); ++span) {
        const unsigned short type = span == 0 ? h.before : h.type[std::size_t(span - 1)];
        const qint64 utc = localSecond - data::kLocalTimeTypes[type].offset;
        const bool afterStart = span == 0 || utc >= h.at[std::size_t(span - 1)];
        const bool beforeEnd = std::size_t(span) == h.at.size() || utc < h.at[std::size_t(span)];
        if (afterStart && beforeEnd)
            found.push_back(utc);
    }
    return found;
}

} // namespace places
