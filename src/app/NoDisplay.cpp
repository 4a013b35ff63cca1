#include "app/NoDisplay.h"

#include <cstdio>
#include <cstdlib>

namespace {
NoDisplayGuard *current = nullptr;
}

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
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "starkindle: no display could be opened (%s); start it from a graphical session\n",
                     display.isEmpty() ? "DISPLAY is not set" : ("DISPLAY is " + display).constData());
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
