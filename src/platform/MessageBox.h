#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace platform {

// What a message box is asked to show.
struct MessageRequest {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// The caption a box carries when it is given none of its own.
QString ApplicationTitle();

// Shows a modal message box and returns the button the user chose. Closing
// the box without a choice returns its escape answer (OK, or No for Yes/No).
QMessageBox::StandardButton ShowMessage(const QString &text,
                                        QMessageBox::Icon icon = QMessageBox::Information,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                        const QString &caption = QString());

// Replaces the real box, e.g. with a recorder that answers for the user.
// An empty function restores the real one.
using MessageHandler = std::function<QMessageBox::StandardButton(const MessageRequest &)>;
void SetMessageHandler(MessageHandler handler);

} // namespace platform
