#pragma once

class QWidget;

namespace platform {

// Makes Qt hand a top-level window's icon (its own, else the application's)
// to the window system once when the window is created, not twice. Call
// right before the window is first shown (a window that has a QWindow but no
// native window yet ignores close()); the icon it shows is unchanged.
void SendWindowIconOnce(QWidget *window);

} // namespace platform
