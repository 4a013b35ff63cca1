#include "platform/MessageBox.h"

#include <QGuiApplication>
#include <QWindow>

namespace platform {

namespace {
MessageHandler &handler()
{
    static MessageHandler h;
    return h;
}
} // namespace

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
    if (handler())
        return handler()(request);
    return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
}

Answer ShowMessageWithField(const QString &text, const QString &field, const QString &fieldName, MessageIcon icon)
{
    const MessageRequest request{text, ApplicationTitle(), icon, MessageButtons::Ok, ActiveWindow(), field, fieldName};
    return handler() ? handler()(request) : Answer::Ok;
}

void SetMessageHandler(MessageHandler h)
{
    handler() = std::move(h);
}

MessageHandler CurrentMessageHandler()
{
    return handler();
}

} // namespace platform
