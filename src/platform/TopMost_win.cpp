#include "platform/TopMost.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>

namespace platform {

void ShowTopMost(QWidget *window)
{
    window->show();
    // Above every window, keeping position and size, without taking the
    // focus; a failure leaves an ordinary window, which is not reported.
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

} // namespace platform
#endif
