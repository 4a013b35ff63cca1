#pragma once

#include "platform/MessageBox.h"

namespace platform {

// The real dialog behind ShowMessage: a QMessageBox with the request's text,
// caption, icon and buttons.
Answer ShowQtMessageBox(const MessageRequest &request);

} // namespace platform
