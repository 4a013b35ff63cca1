#pragma once

class QWidget;

namespace platform {

// Keeps a top-level window above all other windows and shows it.
void ShowTopMost(QWidget *window);

} // namespace platform
