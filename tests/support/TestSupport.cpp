#include "support/TestSupport.h"

#include "platform/Shell.h"
#include "platform/widgets/TopMost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <stdexcept>

MessageRecorder::MessageRecorder()
    : m_previous(platform::CurrentMessageHandler())
{
    platform::SetMessageHandler([this](const platform::MessageRequest &request) {
        m_shown.append(request);
        if (!m_answers.empty()) {
            const platform::Answer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return request.buttons == platform::MessageButtons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    platform::SetMessageHandler(m_previous);
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const platform::MessageRequest &request : m_shown)
        result.append(request.text);
    return result;
}

ShellRecorder::ShellRecorder()
{
    platform::SetShellOpenHandler([this](const QString &address) { m_opened.append(address); });
}

ShellRecorder::~ShellRecorder()
{
    platform::SetShellOpenHandler({});
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
    while (next != w && (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled()))
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

MemorySettings *InstallMemorySettings()
{
    auto store = std::make_unique<MemorySettings>();
    MemorySettings *raw = store.get();
    platform::SetSettingsStore(std::move(store));
    return raw;
}
