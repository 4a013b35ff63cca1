#include "app/NoDisplay.h"

#include "i18n/Translations.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_LINUX
#include <chrono>
#include <thread>

#include <unistd.h>
#endif

namespace {
NoDisplayGuard *current = nullptr;

// Tries of one start, counted across its fresh starts; taken out of the
// environment at once so that programs it starts do not inherit it.
const char TriesVariable[] = "STARKINDLE_DISPLAY_TRIES";
#ifdef Q_OS_LINUX
constexpr int MaxTries = 20;
constexpr std::chrono::milliseconds TryAgainAfter{100};
#endif

// Whether DISPLAY names a local X server that is listening: one that refused
// the connection is there, and may be resetting.
bool localXServerListening()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.startsWith(':'))
        return false;
    return QFileInfo::exists(QLatin1String("/tmp/.X11-unix/X") + QLatin1String(display.mid(1).split('.').first()));
}

// Whether Qt could load its Wayland platform plugin (Debian's qt6-wayland):
// looked for where Qt looks, its own plugin folder and QT_PLUGIN_PATH.
bool waylandPluginInstalled()
{
    QStringList folders = QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts);
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    for (const QString &folder : folders) {
        const QDir platforms(folder + QStringLiteral("/platforms"));
        if (!platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

// The user's language, as for --help: this runs inside QApplication's
// constructor, before any translator is installed.
QString translated(const char *text)
{
    return i18n::TranslateEarly("nodisplay", text);
}

// The one line the user sees, naming what is missing. In a Wayland session
// the session is there; what lacks is the plugin to reach it.
QString explanation()
{
    const QString display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !waylandPluginInstalled()) {
        return display.isEmpty()
            ? translated(QT_TRANSLATE_NOOP("nodisplay", "starkindle: no display could be opened: no X display, and the "
                                                "Wayland platform plugin is not installed (qt6-wayland)\n"))
            : translated(QT_TRANSLATE_NOOP("nodisplay", "starkindle: no display could be opened: DISPLAY is %1, and the "
                                                "Wayland platform plugin is not installed (qt6-wayland)\n"))
                  .arg(display);
    }
    return display.isEmpty()
        ? translated(QT_TRANSLATE_NOOP("nodisplay", "starkindle: no display could be opened (DISPLAY is not set); "
                                            "start it from a graphical session\n"))
        : translated(QT_TRANSLATE_NOOP("nodisplay", "starkindle: no display could be opened (DISPLAY is %1); "
                                            "start it from a graphical session\n"))
              .arg(display);
}

// Said instead when a local X server was there but dropped every connection.
QString droppedExplanation(int tries)
{
    return translated(QT_TRANSLATE_NOOP("nodisplay", "starkindle: no display could be opened: the X server of DISPLAY %1 "
                                             "dropped the connection %2 times in a row\n"))
        .arg(QString::fromLocal8Bit(qgetenv("DISPLAY")))
        .arg(tries);
}
} // namespace

NoDisplayGuard::NoDisplayGuard(char **argv)
{
    for (char **arg = argv; *arg; ++arg)
        m_argv.push_back(*arg);
    m_argv.push_back(nullptr);
    m_tries = qEnvironmentVariableIntValue(TriesVariable);
    qunsetenv(TriesVariable);
    current = this;
    m_active = true;
    m_previous = qInstallMessageHandler(&NoDisplayGuard::handler);
}

NoDisplayGuard::~NoDisplayGuard()
{
    release();
}

void NoDisplayGuard::release()
{
    if (!m_active)
        return;
    m_active = false;
    qInstallMessageHandler(m_previous);
    current = nullptr;
    for (const Held &held : m_held) {
        const QMessageLogContext context(held.file.constData(), held.line, held.function.constData(),
                                         held.category.constData());
        qt_message_output(held.type, context, held.message);
    }
    m_held.clear();
}

void NoDisplayGuard::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    NoDisplayGuard *self = current;
    // Qt gives up on a display it cannot reach with a fatal message, and on
    // one that drops it during start-up with a warning before exit(1).
    const bool lost = (type == QtFatalMsg && message.contains(QLatin1String("platform plugin")))
        || (self && message.startsWith(QLatin1String("The X11 connection broke")));
    if (lost) {
        const bool dropped = self && localXServerListening();
#ifdef Q_OS_LINUX
        if (dropped && self->m_tries + 1 < MaxTries) {
            std::this_thread::sleep_for(TryAgainAfter);
            qputenv(TriesVariable, QByteArray::number(self->m_tries + 1));
            ::execv("/proc/self/exe", self->m_argv.data());
        }
#endif
        std::fprintf(stderr, "%s", (dropped ? droppedExplanation(self->m_tries + 1) : explanation()).toLocal8Bit().constData());
        std::fflush(stderr);
        // Not exit(): this runs inside QApplication's constructor, and
        // static destructors must not meet a half-made application.
        std::_Exit(1);
    }
    if (type == QtFatalMsg || !self) {
        if (self)
            self->release(); // what led up to it, then the fatal message itself
        qt_message_output(type, context, message);
        return;
    }
    self->m_held.push_back({type, context.file, context.function, context.category, context.line, message});
}
