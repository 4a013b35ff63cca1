#pragma once

class QWidget;

namespace platform {

// Keeps a top-level window above all other windows and shows it.
void ShowTopMost(QWidget *window);

// Whether the window is kept above all others, as the system sees it: the
// top-most extended style on Windows, the stay-on-top flag elsewhere.
bool IsTopMost(const QWidget *window);

} // namespace platform
