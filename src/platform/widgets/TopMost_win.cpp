#include "platform/widgets/TopMost.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <qt_windows.h>

namespace platform {

namespace {

// Keep position and size, do not take the focus, show the window.
constexpr UINT TopMostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
static_assert(TopMostFlags == 0x53, "the window must keep its place and size, stay unfocused and be shown");

// Only Qt's Windows platform gives out real window handles. Another one (the
// offscreen platform of the tests) numbers its windows 1, 2, 3..., and Win32
// takes such a small number for whichever window holds that slot, possibly
// one of another process that is waiting for us: SetWindowPos on it could
// hang both.
bool NativeWindows()
{
    return QGuiApplication::platformName() == QLatin1String("windows");
}

} // namespace

void ShowTopMost(QWidget *window)
{
    if (!NativeWindows()) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window->show();
        return;
    }
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
    if (!window->handle() || !NativeWindows())
        return false;
    return (GetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace platform
#endif
