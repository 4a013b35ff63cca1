#include "Tzif.h"

#include <QFile>

#include <algorithm>
#include <cctype>

namespace tzif {
namespace {

std::int64_t BigEndian(const char *p, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<unsigned char>(p[i]);
    if (bytes == 4)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<std::int64_t>(value);
}

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool IsLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// The POSIX TZ string of a TZif footer, with RFC 8536's extensions (hours
// from -167 to 167 in a rule's time).
class PosixRule
{
public:
    bool parse(const QByteArray &text)
    {
        m_text = text;
        m_pos = 0;
        if (!name(&m_std.abbreviation) || !offset(&m_std.offset))
            return false;
        m_std.offset = -m_std.offset; // POSIX counts west of UT
        if (atEnd())
            return true;
        m_hasDst = true;
        m_dst.dst = true;
        if (!name(&m_dst.abbreviation))
            return false;
        m_dst.offset = m_std.offset + 3600;
        if (!atEnd() && peek() != ',') {
            if (!offset(&m_dst.offset))
                return false;
            m_dst.offset = -m_dst.offset;
        }
        if (atEnd() || next() != ',' || !date(&m_start) || atEnd() || next() != ',' || !date(&m_end))
            return false;
        return atEnd();
    }

    const LocalTime &standard() const { return m_std; }

    // The transitions the rule makes in that year, in order.
    std::vector<Transition> transitionsIn(std::int64_t year) const
    {
        if (!m_hasDst)
            return {};
        std::vector<Transition> out{
            {utOf(m_start, year, m_std.offset), m_dst},
            {utOf(m_end, year, m_dst.offset), m_std},
        };
        std::sort(out.begin(), out.end(), [](const Transition &a, const Transition &b) { return a.at < b.at; });
        return out;
    }

private:
    struct Date {
        char kind = 'M'; // 'M' month.week.day, 'J' 1-365 without Feb 29, 'n' 0-365
        int month = 0, week = 0, weekday = 0, day = 0;
        int seconds = 7200; // local time of day
    };

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return m_text.at(m_pos); }
    char next() { return m_text.at(m_pos++); }

    bool name(QByteArray *out)
    {
        if (atEnd())
            return false;
        if (peek() == '<') {
            const qsizetype close = m_text.indexOf('>', m_pos);
            if (close < 0)
                return false;
            *out = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
        } else {
            const qsizetype start = m_pos;
            while (!atEnd() && std::isalpha(static_cast<unsigned char>(peek())))
                ++m_pos;
            *out = m_text.mid(start, m_pos - start);
        }
        return out->size() >= 3;
    }

    bool number(int *out)
    {
        if (atEnd() || !std::isdigit(static_cast<unsigned char>(peek())))
            return false;
        int value = 0;
        while (!atEnd() && std::isdigit(static_cast<unsigned char>(peek())))
            value = value * 10 + (next() - '0');
        *out = value;
        return true;
    }

    // [+-]hh[:mm[:ss]] in seconds
    bool offset(int *out)
    {
        int sign = 1;
        if (!atEnd() && (peek() == '+' || peek() == '-'))
            sign = next() == '-' ? -1 : 1;
        int h = 0, m = 0, s = 0;
        if (!number(&h))
            return false;
        if (!atEnd() && peek() == ':') {
            ++m_pos;
            if (!number(&m))
                return false;
            if (!atEnd() && peek() == ':') {
                ++m_pos;
                if (!number(&s))
                    return false;
            }
        }
        *out = sign * (h * 3600 + m * 60 + s);
        return true;
    }

    bool date(Date *out)
    {
        if (atEnd())
            return false;
        if (peek() == 'M') {
            ++m_pos;
            if (!number(&out->month) || atEnd() || next() != '.' || !number(&out->week) || atEnd() || next() != '.'
                || !number(&out->weekday))
                return false;
        } else if (peek() == 'J') {
            ++m_pos;
            out->kind = 'J';
            if (!number(&out->day))
                return false;
        } else {
            out->kind = 'n';
            if (!number(&out->day))
                return false;
        }
        if (!atEnd() && peek() == '/') {
            ++m_pos;
            return offset(&out->seconds);
        }
        return true;
    }

    static std::int64_t utOf(const Date &d, std::int64_t year, int offsetBefore)
    {
        std::int64_t day = 0;
        if (d.kind == 'M') {
            const std::int64_t first = DaysFromCivil(year, d.month, 1);
            const int firstWeekday = static_cast<int>(((first % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday
            std::int64_t candidate = first + (d.weekday - firstWeekday + 7) % 7 + 7 * (d.week - 1);
            const int nextMonth = d.month == 12 ? 1 : d.month + 1;
            const std::int64_t monthEnd = DaysFromCivil(d.month == 12 ? year + 1 : year, nextMonth, 1);
            while (candidate >= monthEnd)
                candidate -= 7;
            day = candidate;
        } else if (d.kind == 'J') {
            day = DaysFromCivil(year, 1, 1) + d.day - 1 + (IsLeap(year) && d.day >= 60 ? 1 : 0);
        } else {
            day = DaysFromCivil(year, 1, 1) + d.day;
        }
        return day * 86400 + d.seconds - offsetBefore;
    }

    QByteArray m_text;
    qsizetype m_pos = 0;
    LocalTime m_std, m_dst;
    bool m_hasDst = false;
    Date m_start, m_end;
};

} // namespace

std::optional<History> Read(const QString &path, std::int64_t from, std::int64_t to, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray data = file.readAll();
    auto fail = [&](const char *why) {
        *error = QString::fromLatin1(why);
        return std::nullopt;
    };
    if (data.size() < 44 || !data.startsWith("TZif") || data.at(4) < '2')
        return fail("not TZif version 2 or later");

    // The header's counts: UT indicators, standard indicators, leap seconds,
    // transitions, local time types, abbreviation characters.
    auto counts = [&](qsizetype at, std::int64_t c[6]) {
        for (int i = 0; i < 6; ++i)
            c[i] = BigEndian(data.constData() + at + 20 + 4 * i, 4);
    };
    std::int64_t c[6];
    counts(0, c);
    const qsizetype v1Size = c[3] * 5 + c[4] * 6 + c[5] + c[2] * 8 + c[1] + c[0];
    const qsizetype v2 = 44 + v1Size;
    if (data.size() < v2 + 44 || data.mid(v2, 4) != "TZif")
        return fail("no second header");
    counts(v2, c);
    const std::int64_t isut = c[0], isstd = c[1], leaps = c[2], times = c[3], types = c[4], chars = c[5];
    const char *p = data.constData() + v2 + 44;
    const qsizetype bodySize = times * 9 + types * 6 + chars + leaps * 12 + isstd + isut;
    if (data.size() < v2 + 44 + bodySize || types < 1)
        return fail("truncated");
    if (leaps != 0)
        return fail("leap seconds (a right/ file)");
    const char *timeAt = p;
    const char *typeOf = p + times * 8;
    const char *typeInfo = typeOf + times;
    const char *abbreviations = typeInfo + types * 6;

    std::vector<LocalTime> localTimes;
    for (std::int64_t i = 0; i < types; ++i) {
        const char *t = typeInfo + 6 * i;
        LocalTime lt;
        lt.offset = static_cast<int>(BigEndian(t, 4));
        lt.dst = t[4] != 0;
        const int index = static_cast<unsigned char>(t[5]);
        if (index >= chars)
            return fail("abbreviation out of range");
        lt.abbreviation = QByteArray(abbreviations + index);
        localTimes.push_back(lt);
    }
    std::vector<Transition> all;
    for (std::int64_t i = 0; i < times; ++i) {
        const int type = static_cast<unsigned char>(typeOf[i]);
        if (type >= types)
            return fail("type out of range");
        all.push_back({BigEndian(timeAt + 8 * i, 8), localTimes[type]});
    }

    // The footer's rule, for what comes after the last written transition.
    const char *footer = p + bodySize;
    const QByteArray rest(footer, data.constData() + data.size() - footer);
    if (!rest.startsWith('\n') || !rest.endsWith('\n'))
        return fail("no footer");
    const QByteArray ruleText = rest.mid(1, rest.size() - 2);
    if (!ruleText.isEmpty()) {
        PosixRule rule;
        if (!rule.parse(ruleText))
            return fail("unreadable footer rule");
        const std::int64_t last = all.empty() ? from : all.back().at;
        // A year or two early: only what follows the last written transition is taken.
        const std::int64_t firstYear = std::max<std::int64_t>(1900, 1970 + last / (365 * 86400) - 2);
        for (std::int64_t year = firstYear; year <= 2101; ++year)
            for (const Transition &t : rule.transitionsIn(year))
                if (t.at > last && t.at < to)
                    all.push_back(t);
    }

    History history;
    history.before = localTimes[0]; // RFC 8536: type 0 before the first transition
    for (const Transition &t : all) {
        if (t.at <= from) {
            history.before = t.to;
            continue;
        }
        if (t.at >= to)
            break;
        const LocalTime &current = history.transitions.empty() ? history.before : history.transitions.back().to;
        if (!(t.to == current))
            history.transitions.push_back(t);
    }
    return history;
}

} // namespace tzif
