#include "app/widgets/WholeFrameStyle.h"

#include <QAbstractScrollArea>

void WholeFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    // Only the plain styled frame: a combo box's list draws its own.
    const auto *area = qobject_cast<const QAbstractScrollArea *>(widget);
    if (element == PE_Frame && area && area->frameShape() == QFrame::StyledPanel)
        element = PE_FrameLineEdit;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
