#pragma once

class QWidget;
class QWindow;

namespace platform {

// The one step every top-level window and box of the application passes right
// before it is first shown, while it has no native window yet:
// - whenever it is shown, its focused control shows the focus frame, as after
//   a key, not only once Tab has been pressed;
// - its icon (its own, else the application's) goes to the window system once
//   when the window is created, not twice;
// - with an owner, the window belongs to it: transient for it (on Windows,
//   the owner's HWND owns it), centred on it by dialogs, stacked above it, and
//   kept on top of other applications' windows when its owner is.
// A window already created is left as it is.
void PrepareTopLevel(QWidget *window, QWindow *owner = nullptr);

} // namespace platform
