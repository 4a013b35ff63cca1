#include "platform/TopMost.h"

#include <QWidget>

namespace platform {

void ShowTopMost(QWidget *window)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

} // namespace platform
