#include "FuzzChecks.h"

#include "astro/Calendar.h"
#include "astro/Sign.h"
#include "astro/modPlanetSign.h"
#include "support/ListTexts.h"
#include "web/modHelp.h"
#include "web/modTellAFriend.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace fuzzchecks {

namespace {

std::string show(const QString &text)
{
    // Escaped so that any text, control characters included, prints legibly.
    std::string out = "\"";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != u'"' && u != u'\\') {
            out += static_cast<char>(u);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(u));
            out += buf;
        }
    }
    return out + "\"";
}

// The text as a plain decimal number: ASCII digits only, at least one.
// Capped so long texts cannot overflow; only the range matters here.
std::optional<long> plainDecimal(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    long value = 0;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), 1000000000L);
    }
    return value;
}

constexpr std::array<const char *, 12> Months = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

int monthNumber(const QString &text)
{
    for (std::size_t i = 0; i < Months.size(); ++i) {
        if (text == QLatin1String(Months[i]))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

bool hasNoncharacter(const QString &text)
{
    for (char32_t c : text.toUcs4()) {
        if ((c >= 0xfdd0 && c <= 0xfdef) || (c & 0xfffe) == 0xfffe)
            return true;
    }
    return false;
}

// Splits the input after the mode byte into at most `parts` texts at the
// separator; the last text takes the rest.
QStringList texts(const std::uint8_t *data, std::size_t size, char16_t separator, qsizetype parts, bool utf16)
{
    QString all;
    if (utf16) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            all.append(QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8))));
    } else {
        all = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    }
    QStringList result;
    qsizetype from = 0;
    while (result.size() < parts - 1) {
        const qsizetype at = all.indexOf(QChar(separator), from);
        if (at < 0)
            break;
        result.append(all.mid(from, at - from));
        from = at + 1;
    }
    result.append(all.mid(from));
    while (result.size() < parts)
        result.append(QString());
    return result;
}

} // namespace

std::string CheckLookup(const std::uint8_t *data, std::size_t size, LookupOutcome *outcome)
{
    if (size == 0)
        return {};
    const QStringList t = texts(data + 1, size - 1, u'\n', 3, data[0] & 1);
    const QString &yearText = t[0], &monthText = t[1], &dayText = t[2];
    const auto where = [&] { return " for year " + show(yearText) + ", month " + show(monthText) + ", day " + show(dayText); };

    const std::optional<astro::Sign> sign = listtexts::LookupSign(yearText, monthText, dayText);
    if (outcome)
        *outcome = sign ? LookupOutcome::Match : LookupOutcome::NoMatch;

    const std::optional<long> year = plainDecimal(yearText);
    const int month = monthNumber(monthText);
    const std::optional<long> day = plainDecimal(dayText);
    // The table's years take day numbers 1..31 in every month; the
    // ephemeris's only real dates.
    const bool inRange = year && *year >= astro::EarliestYear && *year <= astro::LatestYear && month != 0 && day;
    const bool inTable = inRange && *year >= astro::FirstYear && *year <= astro::LastYear;
    const bool valid = inRange && *day >= 1 && *day <= (inTable ? 31 : astro::DaysInMonth(int(*year), month));

    if (sign) {
        if (!valid)
            return "a match from texts that are not a date of the table" + where();
        const std::optional<astro::Sign> byNumbers = astro::LookupSign(int(*year), month, int(*day));
        if (byNumbers != sign)
            return "the lookup by texts and by numbers disagree" + where();
    } else if (valid && yearText == QString::number(*year) && dayText == QString::number(*day)) {
        return "no match for a plain date of the table" + where();
    }

    // The stored sign follows the lookup: replaced on a match, kept otherwise.
    const QString before = astro::SexualitySign();
    listtexts::GetPlanetSign(yearText, monthText, dayText);
    const QString expected = sign ? astro::SignName(*sign) : before;
    if (astro::SexualitySign() != expected)
        return "the stored sign is " + show(astro::SexualitySign()) + ", expected " + show(expected) + where();
    return {};
}

std::string CheckReferral(const std::uint8_t *data, std::size_t size)
{
    // Separated at NUL bytes before decoding, so a field never holds U+0000;
    // anything after a fifth NUL is ignored.
    QList<QString> f;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= size && f.size() < 5; ++i) {
        if (i == size || data[i] == 0) {
            f.append(QString::fromUtf8(reinterpret_cast<const char *>(data + from), qsizetype(i - from)));
            from = i + 1;
        }
    }
    while (f.size() < 5)
        f.append(QString());
    const modTellAFriend::ReferralFields fields{f[0], f[1], f[2], f[3], f[4]};
    const auto where = [&] {
        std::string s = " for fields";
        for (const QString &v : f) {
            // Appended piece by piece: GCC 12 warns falsely (-Wrestrict)
            // about " " + std::string when building for Windows.
            s += ' ';
            s += show(v);
        }
        return s;
    };

    const QString url = modTellAFriend::BuildReferralUrl(fields);
    for (QChar c : url) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return "a character outside printable ASCII in " + show(url) + where();
    }

    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid())
        return "the address does not parse: " + parsed.errorString().toStdString() + " in " + show(url) + where();
    const QUrl site(modHelp::WebSite());
    if (parsed.scheme() != site.scheme() || parsed.host() != site.host()
        || parsed.path() != QStringLiteral("/cvcs-refer-a-friend.php") || parsed.hasFragment())
        return "the address does not lead to the referral script: " + show(url) + where();

    const QUrlQuery query(parsed.query(QUrl::FullyEncoded));
    const QList<QPair<QString, QString>> items = query.queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> encodedItems = query.queryItems(QUrl::FullyEncoded);
    QList<QString> expected = f;
    expected.append(modHelp::WebSite() + QStringLiteral("/starkindle/"));
    if (items.size() != expected.size() || encodedItems.size() != expected.size())
        return "the query has " + std::to_string(items.size()) + " items: " + show(url) + where();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const std::string name = "taf" + std::to_string(i + 1);
        if (items[i].first != QString::fromStdString(name))
            return "item " + std::to_string(i + 1) + " is named " + show(items[i].first) + where();
        // Byte for byte: the value's UTF-8 comes back from the escapes, also
        // for a form decoder (such as the referral script's), which reads
        // "+" as a space.
        const QByteArray raw = encodedItems[i].second.toLatin1();
        if (QByteArray::fromPercentEncoding(raw) != expected[i].toUtf8())
            return name + " percent-decodes to other bytes than " + show(expected[i]) + where();
        if (QByteArray::fromPercentEncoding(QByteArray(raw).replace('+', ' ')) != expected[i].toUtf8())
            return name + " form-decodes to other bytes than " + show(expected[i]) + where();
        // QUrl's own decoder leaves noncharacters (U+FDD0..U+FDEF, U+xFFFE,
        // U+xFFFF) undecoded by design; every other value must come back.
        if (!hasNoncharacter(expected[i]) && items[i].second != expected[i])
            return name + " decodes to " + show(items[i].second) + ", not " + show(expected[i]) + where();
    }
    return {};
}

} // namespace fuzzchecks
