#pragma once

#include <QString>

#include <functional>

class QWindow;

// Modal message boxes, without widgets in sight: the code that asks the user
// needs no GUI library, and tests answer in the user's place.
namespace platform {

enum class MessageIcon { Information, Stop };

// Ok alone, or Yes and No with Yes as the default button.
enum class MessageButtons { Ok, YesNo };

enum class Answer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // The window the box belongs to: the one whose command raised it. None
    // before the first window is up; the box is then centred on the screen.
    QWindow *owner = nullptr;
    // Text the user may need to copy (an address, say), shown whole below
    // the message in a read-only field that Tab reaches, under the name a
    // screen reader gives it. None when empty.
    QString field;
    QString fieldName;
};

// The application's active window, the one whose command is running, if it
// is on screen; never a menu or list that has popped up from it.
QWindow *ActiveWindow();

// The caption a box carries when it is given none of its own.
QString ApplicationTitle();

// Shows a modal box, owned by the active window, and returns the user's
// answer. Closing the box without choosing counts as OK, or No on a Yes/No
// box.
Answer ShowMessage(const QString &text, MessageIcon icon = MessageIcon::Information,
                   MessageButtons buttons = MessageButtons::Ok, const QString &caption = QString());

// The same, Ok alone, with a field (see MessageRequest::field).
Answer ShowMessageWithField(const QString &text, const QString &field, const QString &fieldName,
                            MessageIcon icon = MessageIcon::Information);

// Who shows the boxes: the real dialogs once the application has installed
// them (main), or a recorder a test puts in for its lifetime
// (platform/Testing.h). Without one, boxes go unseen and are answered as if
// closed.
using MessageHandler = std::function<Answer(const MessageRequest &)>;
void SetMessageHandler(MessageHandler handler);

// Asks, in a modal dialog owned by the active window, where to save a file:
// the path chosen, or empty when the user cancels. filter names the kinds
// offered, as Qt's file dialogs write them ("PNG image (*.png)").
QString AskFileToSave(const QString &title, const QString &suggestedName, const QString &filter);

// Who asks: the real dialog once main has installed it, or a test's stand-in.
// Without one, the question is answered as if cancelled.
using SaveFileHandler = std::function<QString(const QString &title, const QString &suggestedName, const QString &filter)>;
void SetSaveFileHandler(SaveFileHandler handler);

} // namespace platform
