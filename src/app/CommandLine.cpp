#include "app/CommandLine.h"

#include "Config.h"
#include "astro/DateTime.h"
#include "astro/Ephemeris.h"
#include "astro/modPlanetSign.h"
#include "i18n/Translations.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QTime>

#include <cerrno>
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
              "  or:  starkindle --sign DATE[THH:MM[Z|+HH:MM|-HH:MM]]...\n"
              "Tells the zodiac sign in which the asteroid Eros stood on a birthday\n"
              "between %1 and %2, with a reading for that sign.\n"
              "For %3 to %4 the sign comes from the program's original table; for\n"
              "the other years from an ephemeris computed from JPL's orbit of Eros,\n"
              "at 12:00 UT of the date.\n"
              "\n"
              "Options:\n"
              "  -h, --help        show this help and exit\n"
              "      --version     show the version and exit\n"
              "      --sign DATE...  print 'DATE SIGN' for each date (YYYY-MM-DD,\n"
              "                    %1-01-01 to %2-12-31) and exit, no display needed.\n"
              "                    With a time (THH:MM, then Z for UT, a UTC offset,\n"
              "                    or nothing for the time zone of TZ or the system's)\n"
              "                    the sign at that moment; %3 to %4 still answer by\n"
              "                    the date as written. '-' reads dates from standard\n"
              "                    input, one a line. A date refused is named on\n"
              "                    standard error, the others answered, and the exit\n"
              "                    status is 2.\n"
              "\n"
              "Qt's own options are accepted too, among them -platform NAME,\n"
              "-display DISPLAY, -style STYLE and -reverse.\n"
              "The program needs a graphical session (X11, or Wayland with qt6-wayland).\n")
        .arg(astro::EarliestYear)
        .arg(astro::LatestYear)
        .arg(astro::FirstYear)
        .arg(astro::LastYear);
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

// The sign for one argument of --sign, or why it has none.
struct Answer {
    std::optional<astro::Sign> sign;
    QString refusal;
};

Answer answer(std::string_view argument)
{
    const QString shown = QString::fromLocal8Bit(argument.data(), qsizetype(argument.size()));
    const QString earliest = QString::number(astro::EarliestYear), latest = QString::number(astro::LatestYear);
    const std::optional<astro::DateTime> dt = astro::ParseDateTime(shown);
    if (!dt || dt->year < astro::EarliestYear || dt->year > astro::LatestYear)
        return {std::nullopt, tr("starkindle: '%1' is not a date from %2-01-01 to %3-12-31"
                                 " (YYYY-MM-DD, optionally with THH:MM and Z, +HH:MM or -HH:MM)\n")
                                  .arg(shown, earliest, latest)};
    const bool table = dt->year >= astro::FirstYear && dt->year <= astro::LastYear;
    if (!dt->minuteOfDay || table)
        return {astro::LookupSign(dt->year, dt->month, dt->day), {}};
    // Seconds, as a local time zone's offset may have them (before 1912 most
    // were the local mean time of a city).
    const qint64 written = astro::WrittenMinute(*dt) * 60;
    std::vector<qint64> moments;
    if (dt->offsetMinutes) {
        moments.push_back(written - *dt->offsetMinutes * 60);
    } else {
        const QTime time(*dt->minuteOfDay / 60, *dt->minuteOfDay % 60);
        for (const int offset : platform::LocalUtcOffsets(QDate(dt->year, dt->month, dt->day), time))
            moments.push_back(written - offset);
    }
    if (moments.empty())
        return {std::nullopt, tr("starkindle: '%1' is a local time the clocks skip in this time zone\n").arg(shown)};
    std::optional<astro::Sign> sign;
    for (qint64 moment : moments) {
        const qint64 minute = moment / 60 - (moment % 60 < 0 ? 1 : 0);
        const std::optional<astro::Sign> at = astro::EphemerisSignAt(minute);
        if (!at)
            return {std::nullopt, tr("starkindle: '%1' is not a moment from %2-01-01T00:00Z to %3-12-31T23:59Z\n")
                                      .arg(shown, earliest, latest)};
        if (sign && *sign != *at)
            return {std::nullopt, tr("starkindle: '%1' happens twice in this time zone, in two signs:"
                                     " add its UTC offset (+HH:MM or -HH:MM)\n")
                                      .arg(shown)};
        sign = at;
    }
    return {sign, {}};
}

// --sign DATE...: each date answered in turn, one line each, the argument
// exactly as given and its sign; each one refused named on standard error.
// "-" reads the dates from standard input, one a line.
int printSigns(int count, const char *const *arguments)
{
    if (count == 0) {
        print(stderr, tr("starkindle: option '--sign' needs at least one date\n"));
        return 2;
    }
    bool refused = false;
    int writeFailure = 0;
    std::string line;
    // Once standard output has failed (writeFailure), nothing more is answered.
    const auto handle = [&](std::string_view argument) {
        const Answer a = answer(argument);
        if (!a.sign) {
            refused = true;
            print(stderr, a.refusal);
            return;
        }
        // English and the same in every locale: the bytes given and the
        // sign's name.
        line.assign(argument);
        line += ' ';
        line += astro::SignName(*a.sign).toLatin1().constData();
        line += '\n';
        if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size())
            writeFailure = errno;
    };
    for (int i = 0; i < count && !writeFailure; ++i) {
        if (std::string_view(arguments[i]) != "-") {
            handle(arguments[i]);
            continue;
        }
        std::string read;
        for (int c = std::getc(stdin); !writeFailure; c = std::getc(stdin)) {
            if (c != '\n' && c != EOF) {
                read += char(c);
                continue;
            }
            if (c == '\n' || !read.empty()) {
                // A line ended by CR LF is the line without them.
                if (c == '\n' && !read.empty() && read.back() == '\r')
                    read.pop_back();
                handle(read);
            }
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
    if (writeFailure)
        return writeError(writeFailure);
    return refused ? 2 : 0;
}

} // namespace

std::optional<int> Handle(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--sign")
            return printSigns(argc - i - 1, argv + i + 1);
        if (arg == "--help" || arg == "-h")
            return print(stdout, usage()) ? 0 : writeError(errno);
        if (arg == "--version")
            return print(stdout, QStringLiteral("starkindle %1\n").arg(QLatin1String(STARKINDLE_VERSION))) ? 0
                                                                                                          : writeError(errno);
        const int used = qtOptionLength(arg, i + 1 < argc);
        if (used > 0) {
            i += used - 1;
            continue;
        }
        const QString shown = QString::fromLocal8Bit(argv[i]);
        QString error;
        if (used < 0)
            error = tr("starkindle: option '%1' needs a value\n").arg(shown);
        else if (arg.starts_with('-') && arg != "-")
            error = tr("starkindle: unrecognized option '%1'\n").arg(shown);
        else
            error = tr("starkindle: unexpected argument '%1'\n").arg(shown);
        print(stderr, error + usage());
        return 2;
    }
    return std::nullopt;
}

} // namespace commandline
