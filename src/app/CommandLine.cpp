#include "app/CommandLine.h"

#include "Config.h"
#include "astro/Calendar.h"
#include "astro/modPlanetSign.h"
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <string_view>

namespace commandline {

namespace {

// The user's language, though there is no application object yet. What
// --sign prints is never translated.
QString tr(const char *text)
{
    return i18n::TranslateEarly("commandline", text);
}

void print(std::FILE *to, const QString &text)
{
    std::fprintf(to, "%s", text.toLocal8Bit().constData());
    std::fflush(to);
}

QString usage()
{
    return tr("Usage: starkindle [OPTION]...\n"
              "  or:  starkindle --sign DATE...\n"
              "Tells the zodiac sign in which the asteroid Eros stood on a birthday\n"
              "between 1900 and 2100, with a reading for that sign.\n"
              "For 1940 to 1990 the sign comes from the program's original table; for\n"
              "the other years from an ephemeris computed from JPL's orbit of Eros.\n"
              "\n"
              "Options:\n"
              "  -h, --help        show this help and exit\n"
              "      --version     show the version and exit\n"
              "      --sign DATE...  print 'DATE SIGN' for each date (YYYY-MM-DD,\n"
              "                    1900-01-01 to 2100-12-31) and exit, no display needed\n"
              "\n"
              "Qt's own options are accepted too, among them -platform NAME,\n"
              "-display DISPLAY, -style STYLE and -reverse.\n"
              "The program needs a graphical session (X11, or Wayland with qt6-wayland).\n");
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

// A real date written YYYY-MM-DD, from 1900-01-01 to 2100-12-31: its sign.
std::optional<astro::Sign> signOfIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int fields[3] = {};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (std::size_t i = starts[f]; i < starts[f] + lengths[f]; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            fields[f] = fields[f] * 10 + (text[i] - '0');
        }
    }
    const auto [year, month, day] = fields;
    // The table answers day numbers its months lack; a date must be real.
    if (year < astro::EarliestYear || year > astro::LatestYear || day < 1 || day > astro::DaysInMonth(year, month))
        return std::nullopt;
    return astro::LookupSign(year, month, day);
}

// --sign DATE...: every date is checked before anything is printed, so a
// bad one leaves standard output empty.
int printSigns(int count, const char *const *dates)
{
    QString out;
    QString errors;
    for (int i = 0; i < count; ++i) {
        const std::string_view date = dates[i];
        if (const std::optional<astro::Sign> sign = signOfIsoDate(date))
            out += QLatin1String(date.data(), static_cast<qsizetype>(date.size())) + u' ' + astro::SignName(*sign) + u'\n';
        else
            errors += tr("starkindle: '%1' is not a date from 1900-01-01 to 2100-12-31 (YYYY-MM-DD)\n")
                          .arg(QString::fromLocal8Bit(dates[i]));
    }
    if (count == 0)
        errors = tr("starkindle: option '--sign' needs at least one date\n");
    if (!errors.isEmpty()) {
        print(stderr, errors);
        return 2;
    }
    print(stdout, out);
    return 0;
}

} // namespace

std::optional<int> Handle(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--sign")
            return printSigns(argc - i - 1, argv + i + 1);
        if (arg == "--help" || arg == "-h") {
            print(stdout, usage());
            return 0;
        }
        if (arg == "--version") {
            print(stdout, QStringLiteral("starkindle %1\n").arg(QLatin1String(STARKINDLE_VERSION)));
            return 0;
        }
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
