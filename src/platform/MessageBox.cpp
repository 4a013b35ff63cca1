#include "platform/MessageBox.h"

#include <QGuiApplication>
#include <QWindow>

namespace platform {

// Set by SetMessageHandler, and by platform/Testing.h for a test's lifetime.
namespace detail {
MessageHandler &MessageHandlerSlot()
{
    static MessageHandler h;
    return h;
}
SaveFileHandler &SaveFileSlot()
{
    static SaveFileHandler h;
    return h;
}
} // namespace detail

QString ApplicationTitle()
{
    return QStringLiteral("Starkindle");
}

QWindow *ActiveWindow()
{
    QWindow *window = QGuiApplication::focusWindow();
    while (window && window->type() == Qt::Popup)
        window = window->transientParent();
    return window && window->isVisible() ? window : nullptr;
}

Answer ShowMessage(const QString &text, MessageIcon icon, MessageButtons buttons, const QString &caption)
{
    const MessageRequest request{text, caption.isEmpty() ? ApplicationTitle() : caption, icon, buttons,
                                 ActiveWindow(), {}, {}};
    if (detail::MessageHandlerSlot())
        return detail::MessageHandlerSlot()(request);
    return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
}

Answer ShowMessageWithField(const QString &text, const QString &field, const QString &fieldName, MessageIcon icon)
{
    const MessageRequest request{text, ApplicationTitle(), icon, MessageButtons::Ok, ActiveWindow(), field, fieldName};
    return detail::MessageHandlerSlot() ? detail::MessageHandlerSlot()(request) : Answer::Ok;
}

void SetMessageHandler(MessageHandler h)
{
    detail::MessageHandlerSlot() = std::move(h);
}

QString AskFileToSave(const QString &title, const QString &suggestedName, const QString &filter)
{
    return detail::SaveFileSlot() ? detail::SaveFileSlot()(title, suggestedName, filter) : QString();
}

void SetSaveFileHandler(SaveFileHandler handler)
{
    detail::SaveFileSlot() = std::move(handler);
}

} // namespace platform
