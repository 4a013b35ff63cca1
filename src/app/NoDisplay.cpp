#include "app/NoDisplay.h"

#include <QDir>
#include <QLibraryInfo>

#include <cstdio>
#include <cstdlib>

namespace {
NoDisplayGuard *current = nullptr;

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

// The one line the user sees, naming what is missing. In a Wayland session
// the session is there; what lacks is the plugin to reach it.
QByteArray explanation()
{
    const QByteArray display = qgetenv("DISPLAY");
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && !waylandPluginInstalled()) {
        return "starkindle: no display could be opened: "
               + (display.isEmpty() ? QByteArray("no X display") : "DISPLAY is " + display)
               + ", and the Wayland platform plugin is not installed (qt6-wayland)\n";
    }
    return "starkindle: no display could be opened ("
           + (display.isEmpty() ? QByteArray("DISPLAY is not set") : "DISPLAY is " + display)
           + "); start it from a graphical session\n";
}
} // namespace

NoDisplayGuard::NoDisplayGuard()
{
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
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "%s", explanation().constData());
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
