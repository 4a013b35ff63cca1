#pragma once

class QWidget;
class QWindow;

namespace platform {

// Keeps a top-level window above all other windows and shows it.
void ShowTopMost(QWidget *window);

// Whether a window is kept above other applications' windows, so the windows
// it owns must be too: by the stay-on-top flag, or on Windows by the top-most
// style that ShowTopMost gives it.
bool KeptOnTop(const QWindow *window);

} // namespace platform
