#include "platform/widgets/TopMost.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void ShowTopMost(QWidget *window)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

bool KeptOnTop(const QWindow *window)
{
    return window->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace platform
