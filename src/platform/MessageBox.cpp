#include "platform/MessageBox.h"

namespace platform {

namespace {

MessageHandler &handler()
{
    static MessageHandler h;
    return h;
}

QMessageBox::StandardButton showReal(const MessageRequest &request)
{
    QMessageBox box(request.icon, request.caption, request.text, request.buttons);
    box.setObjectName(QStringLiteral("messageBox"));
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    const int answer = box.exec();
    if (answer == QMessageBox::NoButton || !(request.buttons & QMessageBox::StandardButton(answer))) {
        // Closed without a choice: take the button Esc stands for.
        if (request.buttons & QMessageBox::No)
            return QMessageBox::No;
        if (request.buttons & QMessageBox::Cancel)
            return QMessageBox::Cancel;
        return QMessageBox::Ok;
    }
    return QMessageBox::StandardButton(answer);
}

} // namespace

QString ApplicationTitle()
{
    return QStringLiteral("Starkindle");
}

QMessageBox::StandardButton ShowMessage(const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton, const QString &caption)
{
    MessageRequest request{text, caption.isEmpty() ? ApplicationTitle() : caption, icon, buttons, defaultButton};
    if (handler())
        return handler()(request);
    return showReal(request);
}

void SetMessageHandler(MessageHandler h)
{
    handler() = std::move(h);
}

} // namespace platform
