#include "platform/TopMost.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <qt_windows.h>

namespace platform {

namespace {

// Keep position and size, do not take the focus, show the window.
constexpr UINT TopMostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
static_assert(TopMostFlags == 0x53, "the window must keep its place and size, stay unfocused and be shown");

} // namespace

void ShowTopMost(QWidget *window)
{
    window->show();
    // Above every window, keeping position and size, without taking the
    // focus; a failure leaves an ordinary window, which is not reported.
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOPMOST, 0, 0, 0, 0, TopMostFlags);
}

bool KeptOnTop(const QWindow *window)
{
    if (window->flags().testFlag(Qt::WindowStaysOnTopHint))
        return true;
    // Asked of the system: SetWindowPos changes the style, not Qt's flags.
    // A window without a native one yet is not on top.
    if (!window->handle())
        return false;
    return (GetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace platform
#endif
