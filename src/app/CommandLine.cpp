#include "app/CommandLine.h"

#include "Config.h"
#include "astro/Answer.h"
#include "astro/DateTime.h"
#include "astro/Longitude.h"
#include "astro/ResultNotes.h"
#include "i18n/Translations.h"
#include "places/Places.h"
#include "platform/Clock.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace commandline {

namespace {

// The user's language, though there is no application object yet. What
// --sign prints is never translated.
QString tr(const char *text)
{
    return i18n::TranslateEarly("commandline", text);
}

// Writes text to the stream and flushes it: false when that fails (a full
// disk, a closed pipe), with errno set.
bool print(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to) == std::size_t(bytes.size())
        && std::fflush(to) == 0;
}

// Says that standard output could not be written; the status to end with.
int writeError(int error)
{
    print(stderr, tr("starkindle: cannot write the answer: %1\n").arg(QString::fromLocal8Bit(std::strerror(error))));
    return 1;
}

QString usage()
{
    return tr("Usage: starkindle [OPTION]...\n"
              "  or:  starkindle --sign [--zone ZONE | --place NAME] DATE[THH:MM[OFFSET]]...\n"
              "Tells the zodiac sign in which the asteroid Eros stood on a birthday\n"
              "between %1 and %2, with a reading for that sign.\n"
              "For %3 to %4 the sign comes from the program's original table; for\n"
              "the other years from an ephemeris computed from JPL's orbit of Eros,\n"
              "at 12:00 UT of the date.\n"
              "\n"
              "Options:\n"
              "  -h, --help         show this help and exit\n"
              "      --version      show the version and exit\n"
              "      --sign DATE... print 'DATE SIGN' for each date (YYYY-MM-DD, from\n"
              "                     %1-01-01 to %2-12-31) and exit, no display needed.\n"
              "                     With a time (THH:MM, then Z for UT, an OFFSET +HH:MM\n"
              "                     or -HH:MM, or nothing for local time) the sign at\n"
              "                     that moment; %3 to %4 still answer by the date as\n"
              "                     written. '-' reads dates from standard input, one a\n"
              "                     line. A date refused is named on standard error,\n"
              "                     the others answered, and the exit status is 2.\n"
              "      --zone ZONE    read local times and days in the IANA time zone\n"
              "                     ZONE (such as Europe/London), with its history\n"
              "      --place NAME   read them where NAME is (its most populous place;\n"
              "                     'NAME, CC' for one country) and name it after each\n"
              "                     answer\n"
              "      --json         print one JSON object a line instead: input, utc,\n"
              "                     sign, longitude (degrees), degree (in the sign),\n"
              "                     retrograde, source (table or ephemeris), zone and\n"
              "                     offset; sky_sign where the degree's sign is not\n"
              "                     the answer's, later_sign and change on a day\n"
              "                     with two signs, place under --place\n"
              "      --csv          the same as CSV, after a header row\n"
              "  --                 end the options: all that follows is dates\n"
              "\n"
              "Local time is that of TZ, else the system's. A TZ that names no time\n"
              "zone (such as TZ=Foo/Bar) is refused for times without an offset, not\n"
              "taken as UT. Under --zone or --place a date alone answers the whole\n"
              "local day: its sign, or both signs and the local time of the change.\n"
              "\n"
              "Qt's own options are accepted too, among them -platform NAME,\n"
              "-display DISPLAY, -style STYLE and -reverse.\n"
              "The program needs a graphical session (X11, or Wayland with qt6-wayland).\n")
        .arg(astro::EarliestYear)
        .arg(astro::LatestYear)
        .arg(astro::FirstYear)
        .arg(astro::LastYear);
}

// One line for a mistake in the options, and where to read about them.
int usageError(const QString &message)
{
    print(stderr, message + tr("Try 'starkindle --help' for more information.\n"));
    return 2;
}

// The options QApplication takes itself (with one or two dashes), and whether
// each is followed by a value.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"display", true},    {"geometry", true},           {"qwindowgeometry", true}, {"title", true},
    {"qwindowtitle", true}, {"icon", true},             {"qwindowicon", true},   {"name", true},
    {"session", true},    {"style", true},              {"stylesheet", true},    {"reverse", false},
    {"widgetcount", false}, {"nograb", false},          {"dograb", false},       {"sync", false},
};
// These may also carry their value after "=".
constexpr std::string_view JoinedValue[] = {"style", "stylesheet", "qmljsdebugger"};

// How many arguments the Qt option at argv[i] uses: 0 when it is none, -1
// when its value is missing.
int qtOptionLength(std::string_view arg, bool valueFollows)
{
    if (arg.size() < 2 || arg[0] != '-')
        return 0;
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    for (std::string_view joined : JoinedValue) {
        if (arg.size() > joined.size() && arg.starts_with(joined) && arg[joined.size()] == '=')
            return 1;
    }
    for (const QtOption &option : QtOptions) {
        if (arg == option.name)
            return !option.takesValue ? 1 : (valueFollows ? 2 : -1);
    }
    return 0;
}

// Where --sign reads local times and days: --zone, --place, or the
// computer's zone.
struct Where {
    astro::Reckoning reckoning;
    bool given = false; // --zone or --place: a date alone is a local day
    QString refusal; // TZ names no zone: local times cannot be read
};

// The computer's clock for --sign: TZ when it is set (a zone tzdata names,
// else a POSIX rule the C library reads), else the system's zone.
Where computersClock()
{
    Where where;
    QByteArray tz = qgetenv("TZ");
    if (tz.startsWith(':'))
        tz.remove(0, 1);
    if (tz.isEmpty()) {
        where.reckoning = astro::Reckoning::Computers(platform::LocalTimeZone());
    } else if (const std::optional<places::Zone> zone = places::Zone::Find(QString::fromLocal8Bit(tz))) {
        where.reckoning = astro::Reckoning::InZone(*zone);
    } else if (std::any_of(tz.begin(), tz.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        where.reckoning.clock = platform::LocalUtcOffsetAt;
    } else {
        // The C library would take it as UT without a word.
        where.refusal = tr("starkindle: TZ='%1' names no time zone: use --zone AREA/CITY, or give the time's UTC"
                           " offset\n")
                            .arg(QString::fromLocal8Bit(tz));
    }
    where.reckoning.computers = true;
    return where;
}

// "HH:MM" of a UT second in a zone.
QString localTime(const astro::Reckoning &reckoning, qint64 utcSecond)
{
    return astro::ClockTime(utcSecond + reckoning.offsetAt(utcSecond).seconds);
}

// How --sign writes its answers: 'DATE SIGN' lines, or records for other
// programs.
enum class Format { Lines, Json, Csv };

constexpr const char *CsvHeader =
    "input,utc,sign,longitude,degree,retrograde,source,zone,offset,sky_sign,later_sign,change,place";

// "+05:30", "-03:06:28": an offset as ISO 8601 writes it.
QString isoOffset(int seconds)
{
    return astro::OffsetName(seconds).mid(3);
}

QString isoUtc(qint64 second)
{
    return QDateTime::fromSecsSinceEpoch(second, QTimeZone::utc()).toString(u"yyyy-MM-ddTHH:mm:ss") + u'Z';
}

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\';
        if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

// One field of a record: text is quoted in JSON, a number or a truth value
// is not.
struct Field {
    const char *key;
    QString value;
    bool text = true;
};

// One answer as a record, its keys in order; numbers in the C locale
// whatever the language.
QList<Field> record(const QString &input, const astro::Answer &answer, const Where &where)
{
    const astro::Answer::Position &p = *answer.position;
    const qint64 at = qint64(p.utcMinute * 60);
    const astro::Reckoning &r = answer.birth.reckoning;
    QList<Field> fields = {
        {"input", input},
        {"utc", isoUtc(at)},
        {"sign", astro::SignName(*answer.sign)},
        {"longitude", QString::number(p.longitude, 'f', 6), false},
        {"degree", astro::DegreeInSign(p.longitude)},
        {"retrograde", p.retrograde ? QStringLiteral("true") : QStringLiteral("false"), false},
        {"source", answer.source == astro::Source::Table ? QStringLiteral("table") : QStringLiteral("ephemeris")},
        {"zone", r.zone ? r.zone->name() : (r.clock ? QString() : QStringLiteral("UTC"))},
        {"offset", isoOffset(r.offsetAt(at).seconds)},
    };
    // The degree is the sky's: where its sign is not the answer's (the
    // table's, or a local day's first), that sign too.
    if (astro::SignOfLongitude(p.longitude) != *answer.sign)
        fields.append({"sky_sign", astro::SignName(astro::SignOfLongitude(p.longitude))});
    if (answer.laterSign) {
        fields.append({"later_sign", astro::SignName(*answer.laterSign)});
        fields.append({"change", isoUtc(answer.crossings.front().utcMinute * 60)});
    }
    if (where.given && !r.place.isEmpty())
        fields.append({"place", r.place});
    return fields;
}

std::string writeRecord(Format format, const QList<Field> &fields)
{
    QStringList parts;
    if (format == Format::Json) {
        for (const Field &f : fields)
            parts << jsonString(QLatin1String(f.key)) + u':' + (f.text ? jsonString(f.value) : f.value);
        return (u'{' + parts.join(u',') + u'}').toUtf8().toStdString();
    }
    // The header's columns, empty where the answer has no such field.
    for (const QString &column : QString::fromLatin1(CsvHeader).split(u',')) {
        const auto f = std::find_if(fields.begin(), fields.end(), [&](const Field &f) { return column == QLatin1String(f.key); });
        parts << (f == fields.end() ? QString() : csvField(f->value));
    }
    return parts.join(u',').toUtf8().toStdString();
}

// The line for one argument of --sign, or why it has none.
struct Reply {
    std::string line;
    QString refusal;
};

Reply reply(std::string_view argument, const Where &where, Format format)
{
    // A date is ASCII, which reads the same in every locale's encoding, and
    // is taken as it is: decoding by the locale cost a fifth of the work of
    // answering a line.
    const bool ascii = std::all_of(argument.begin(), argument.end(), [](char c) { return (c & 0x80) == 0; });
    const QString shown = ascii ? QString::fromLatin1(argument.data(), qsizetype(argument.size()))
                                : QString::fromLocal8Bit(argument.data(), qsizetype(argument.size()));
    const auto notADate = [&] {
        return Reply{{}, tr("starkindle: '%1' is not a date from %2-01-01 to %3-12-31"
                            " (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)\n")
                             .arg(shown, QString::number(astro::EarliestYear), QString::number(astro::LatestYear))};
    };
    const std::optional<astro::DateTime> dt = astro::ParseDateTime(shown);
    if (!dt || !astro::IsAnsweredYear(dt->year))
        return notADate();
    astro::Birth birth;
    birth.year = dt->year;
    birth.month = dt->month;
    birth.day = dt->day;
    birth.minuteOfDay = dt->minuteOfDay;
    if (dt->offsetMinutes) {
        birth.reckoning = astro::Reckoning::FixedOffset(*dt->offsetMinutes * 60);
    } else if (dt->minuteOfDay || where.given) {
        if (!where.refusal.isEmpty())
            return {{}, where.refusal};
        birth.reckoning = where.reckoning;
    }
    // A date alone, without --zone or --place: the day's sign, as always.
    birth.dateOnly = !dt->minuteOfDay && !where.given;
    const astro::Answer answer = astro::AnswerFor(birth);
    switch (answer.refusal) {
    case astro::Refusal::None:
        break;
    case astro::Refusal::NotADate:
        return notADate();
    case astro::Refusal::SkippedTime:
        return {{}, tr("starkindle: '%1' is a local time the clocks skip in this time zone\n").arg(shown)};
    case astro::Refusal::SkippedDay:
        return {{}, tr("starkindle: '%1' is a day this time zone skipped\n").arg(shown)};
    case astro::Refusal::OutOfRange:
        return {{}, tr("starkindle: '%1' is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z\n")
                        .arg(shown, QString::number(astro::EarliestYear), QString::number(astro::LatestYear))};
    }
    if (answer.laterSign && answer.moments.size() > 1)
        return {{}, tr("starkindle: '%1' happens twice in this time zone, in two signs:"
                       " add its UTC offset (+HH:MM or -HH:MM)\n")
                        .arg(shown)};
    if (format != Format::Lines && answer.position)
        return {writeRecord(format, record(shown, answer, where)), {}};
    // English and the same in every locale: the bytes given, the sign's name,
    // and on a local day with a change the second sign and the local time it
    // began.
    std::string line(argument);
    line += ' ';
    line += astro::SignName(*answer.sign).toLatin1().constData();
    if (answer.laterSign) {
        line += ' ';
        line += astro::SignName(*answer.laterSign).toLatin1().constData();
        line += ' ';
        line += localTime(birth.reckoning, answer.crossings.front().utcMinute * 60).toLatin1().constData();
    }
    if (!where.reckoning.place.isEmpty() && where.given) {
        line += " (";
        line += where.reckoning.place.toUtf8().constData();
        line += ')';
    }
    return {line, {}};
}

// Strips the blanks around a line read from standard input.
std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// --sign DATE...: each date answered in turn, one line each, the argument
// exactly as given and its answer; each one refused named on standard
// error. "-" reads the dates from standard input, one a line.
int printSigns(const std::vector<std::string_view> &dates, const Where &where, Format format)
{
    if (dates.empty()) {
        print(stderr, tr("starkindle: option '--sign' needs at least one date\n"));
        return 2;
    }
#if defined(SIGPIPE)
    // A reader that has gone away ends the output quietly, as it does for
    // the tools of the system.
    std::signal(SIGPIPE, SIG_DFL);
#endif
    bool refused = false;
    int writeFailure = 0;
    std::string line;
    if (format == Format::Csv && std::fprintf(stdout, "%s\n", CsvHeader) < 0)
        writeFailure = errno;
    // Once standard output has failed (writeFailure), nothing more is answered.
    const auto handle = [&](std::string_view argument) {
        const Reply r = reply(argument, where, format);
        if (r.line.empty()) {
            refused = true;
            print(stderr, r.refusal);
            return;
        }
        line.assign(r.line);
        line += '\n';
        if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size())
            writeFailure = errno;
    };
    for (std::size_t i = 0; i < dates.size() && !writeFailure; ++i) {
        if (dates[i] != "-") {
            handle(dates[i]);
            continue;
        }
        std::string read;
        for (int c = std::getc(stdin); !writeFailure; c = std::getc(stdin)) {
            if (c != '\n' && c != EOF) {
                read += char(c);
                continue;
            }
            // Blank lines are no dates.
            if (const std::string_view date = trimmed(read); !date.empty())
                handle(date);
            read.clear();
            if (c == EOF)
                break;
        }
        if (std::ferror(stdin)) {
            print(stderr, tr("starkindle: cannot read standard input: %1\n")
                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
            refused = true;
        }
    }
    if (!writeFailure && std::fflush(stdout) != 0)
        writeFailure = errno;
    if (writeFailure == EPIPE)
        return 1;
    if (writeFailure)
        return writeError(writeFailure);
    return refused ? 2 : 0;
}

// An option's value: "--zone=X", or "--zone X" taking the next argument.
std::optional<std::string_view> optionValue(std::string_view arg, std::string_view name, int &i, int argc,
                                            const char *const *argv, bool &missing)
{
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    if (arg != name)
        return std::nullopt;
    if (i + 1 >= argc) {
        missing = true;
        return std::string_view();
    }
    return std::string_view(argv[++i]);
}

} // namespace

std::optional<int> Handle(int argc, const char *const *argv)
{
    bool sign = false, endOfOptions = false;
    Format format = Format::Lines;
    std::vector<std::string_view> dates;
    std::optional<std::string_view> zoneName, placeName;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (endOfOptions || !arg.starts_with('-') || arg == "-") {
            if (!sign)
                return usageError(tr("starkindle: unexpected argument '%1'\n").arg(QString::fromLocal8Bit(argv[i])));
            dates.push_back(arg);
            continue;
        }
        if (arg == "--") {
            endOfOptions = true;
            continue;
        }
        if (arg == "--help" || arg == "-h")
            return print(stdout, usage()) ? 0 : writeError(errno);
        if (arg == "--version")
            return print(stdout, QStringLiteral("starkindle %1\n").arg(QLatin1String(STARKINDLE_VERSION))) ? 0
                                                                                                          : writeError(errno);
        // "--sign DATE...": the dates are read as the arguments they are.
        if (arg == "--sign" || arg.starts_with("--sign=")) {
            sign = true;
            if (arg != "--sign")
                dates.push_back(arg.substr(7));
            continue;
        }
        if (arg == "--json" || arg == "--csv") {
            format = arg == "--json" ? Format::Json : Format::Csv;
            continue;
        }
        bool missing = false;
        std::optional<std::string_view> value;
        if ((value = optionValue(arg, "--zone", i, argc, argv, missing)))
            zoneName = value;
        else if ((value = optionValue(arg, "--place", i, argc, argv, missing)))
            placeName = value;
        if (missing)
            return usageError(tr("starkindle: option '%1' needs a value\n").arg(QString::fromLocal8Bit(argv[i])));
        if (value)
            continue;
        const int used = qtOptionLength(arg, i + 1 < argc);
        if (used > 0) {
            i += used - 1;
            continue;
        }
        const QString shown = QString::fromLocal8Bit(argv[i]);
        return usageError(used < 0 ? tr("starkindle: option '%1' needs a value\n").arg(shown)
                                   : tr("starkindle: unrecognized option '%1'\n").arg(shown));
    }
    if (!sign) {
        if (zoneName || placeName || format != Format::Lines)
            return usageError(tr("starkindle: options '--zone', '--place', '--json' and '--csv' go with '--sign'\n"));
        return std::nullopt;
    }
    if (zoneName && placeName)
        return usageError(tr("starkindle: give '--zone' or '--place', not both\n"));
    Where where;
    if (zoneName) {
        const QString name = QString::fromLocal8Bit(zoneName->data(), qsizetype(zoneName->size()));
        const std::optional<places::Zone> zone = places::Zone::Find(name);
        if (!zone) {
            print(stderr, tr("starkindle: '%1' is not a time zone (AREA/CITY, such as Europe/London)\n").arg(name));
            return 2;
        }
        where.reckoning = astro::Reckoning::InZone(*zone);
        where.given = true;
    } else if (placeName) {
        const QString name = QString::fromLocal8Bit(placeName->data(), qsizetype(placeName->size()));
        const std::optional<places::Place> place = places::FindPlace(name);
        if (!place) {
            print(stderr, tr("starkindle: no place called '%1' is known\n").arg(name));
            return 2;
        }
        where.reckoning = astro::Reckoning::InZone(place->zone, place->label());
        where.given = true;
    } else {
        where = computersClock();
    }
    return printSigns(dates, where, format);
}

} // namespace commandline
