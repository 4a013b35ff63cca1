#pragma once

class QWidget;

namespace platform {

// Makes Qt hand a top-level window's icon (its own, else the application's)
// to the window system once when the window is created, not twice. Call
// before the window is first shown; the icon the window shows is unchanged.
void SendWindowIconOnce(QWidget *window);

} // namespace platform
