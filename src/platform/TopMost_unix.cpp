#include "platform/TopMost.h"

#include <QWidget>

namespace platform {

void ShowTopMost(QWidget *window)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

bool IsTopMost(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace platform
