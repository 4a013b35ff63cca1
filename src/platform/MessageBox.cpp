#include "platform/MessageBox.h"

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

Answer ShowMessage(const QString &text, MessageIcon icon, MessageButtons buttons, const QString &caption)
{
    const MessageRequest request{text, caption.isEmpty() ? ApplicationTitle() : caption, icon, buttons};
    if (handler())
        return handler()(request);
    return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
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
