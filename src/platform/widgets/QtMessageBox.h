#pragma once

#include "platform/MessageBox.h"

namespace platform {

// The real dialog behind ShowMessage: a QMessageBox with the request's text,
// caption, icon and buttons, owned by the request's owner and modal.
Answer ShowQtMessageBox(const MessageRequest &request);

// The real dialog behind AskFileToSave: Qt's file dialog, owned by the active
// window; it asks before replacing a file.
QString AskQtFileToSave(const QString &title, const QString &suggestedName, const QString &filter);

} // namespace platform
