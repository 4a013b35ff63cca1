#include "app/CommandLine.h"

#include "Config.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <string_view>

namespace commandline {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

void print(std::FILE *to, const QString &text)
{
    std::fprintf(to, "%s", text.toLocal8Bit().constData());
    std::fflush(to);
}

QString usage()
{
    return tr("Usage: starkindle [OPTION]...\n"
              "Tells the zodiac sign in which the asteroid Eros stood on a birthday\n"
              "between 1940 and 1990, with a reading for that sign.\n"
              "\n"
              "Options:\n"
              "  -h, --help        show this help and exit\n"
              "      --version     show the version and exit\n"
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

} // namespace

std::optional<int> Handle(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
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
