#include "support/TestSupport.h"

#include "app/forms/FormWindow.h"
#include "platform/widgets/TopMost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <stdexcept>

MessageRecorder::MessageRecorder()
    : m_handler([this](const platform::MessageRequest &request) { return answer(request); })
{
}

platform::Answer MessageRecorder::answer(const platform::MessageRequest &request)
{
    m_shown.append(request);
    if (!m_answers.empty()) {
        const platform::Answer next = m_answers.front();
        m_answers.pop_front();
        return next;
    }
    return request.buttons == platform::MessageButtons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const platform::MessageRequest &request : m_shown)
        result.append(request.text);
    return result;
}

ShellRecorder::ShellRecorder()
    : m_shell([this](const QString &address) { m_opened.append(address); })
{
}

QStringList LeftoverWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QMenu") || w->windowType() == Qt::Popup || w->inherits("QComboBoxPrivateContainer"))
            continue;
        names.append(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    }
    return names;
}

bool IsLoaded(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const auto *form = qobject_cast<const FormWindow *>(w);
        if (form && form->objectName() == QLatin1String(name) && !form->isUnloaded())
            return true;
    }
    return false;
}

namespace {
// Notes a request to end the application.
class QuitWatcher : public QObject
{
public:
    bool asked = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit)
            asked = true;
        return false;
    }
};
} // namespace

bool EndsApplication(const std::function<void()> &act)
{
    QuitWatcher watcher;
    qApp->installEventFilter(&watcher);
    // Two timers, so the loop ends even when act returns early on a failed
    // check; both go with this call, so neither fires in a later loop.
    QTimer run, end;
    for (QTimer *timer : {&run, &end})
        timer->setSingleShot(true);
    QObject::connect(&run, &QTimer::timeout, act);
    QObject::connect(&end, &QTimer::timeout, [] { QCoreApplication::exit(0); });
    run.start(0);
    end.start(0);
    QCoreApplication::exec();
    qApp->removeEventFilter(&watcher);
    return watcher.asked;
}

bool IsTopMost(const QWidget *window)
{
    // As the application itself asks: the flag, or on Windows the system's
    // top-most style. A window without a native one yet has only the flag.
    const QWindow *handle = window->windowHandle();
    return handle ? platform::KeptOnTop(handle) : window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

QWidget *NextTabStop(QWidget *w)
{
    QWidget *next = w->nextInFocusChain();
    while (next != w
           && (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() || !next->isVisibleTo(next->window())))
        next = next->nextInFocusChain();
    return next;
}

platform::SettingRead MemorySettings::read(const QString &section, const QString &key)
{
    ++reads;
    if (fault == Throws)
        throw std::runtime_error("settings store failed");
    if (fault == Unreadable)
        return {false, {}};
    return {true, value(section, key)};
}

bool MemorySettings::write(const QString &section, const QString &key, const QString &v)
{
    if (fault == Throws)
        throw std::runtime_error("settings store failed");
    if (fault == Unwritable)
        return false;
    ++writes;
    setValue(section, key, v);
    return true;
}

ScopedMemorySettings::ScopedMemorySettings()
    : m_store(new MemorySettings)
    , m_scope(std::unique_ptr<platform::SettingsStore>(m_store))
{
}

ScopedEnvironment::ScopedEnvironment(const char *name, std::optional<QByteArray> value)
    : m_name(name)
{
    if (qEnvironmentVariableIsSet(name))
        m_previous = qgetenv(name);
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_previous)
        qputenv(m_name, *m_previous);
    else
        qunsetenv(m_name);
}
