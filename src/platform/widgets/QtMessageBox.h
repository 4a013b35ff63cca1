#pragma once

#include "platform/MessageBox.h"

namespace platform {

// The real dialog behind ShowMessage: a QMessageBox with the request's text,
// caption, icon and buttons, owned by the request's owner and modal.
Answer ShowQtMessageBox(const MessageRequest &request);

} // namespace platform
