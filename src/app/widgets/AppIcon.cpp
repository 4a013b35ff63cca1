#include "app/widgets/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

class StarFlameEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 64.0, rect.height() / 64.0);

        QLinearGradient sky(0, 0, 0, 64);
        sky.setColorAt(0, QColor(40, 26, 74));
        sky.setColorAt(1, QColor(96, 34, 92));
        painter->setPen(Qt::NoPen);
        painter->setBrush(sky);
        painter->drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

        QPainterPath flame;
        flame.moveTo(32, 22);
        flame.cubicTo(44, 34, 48, 42, 44, 50);
        flame.cubicTo(41, 57, 23, 57, 20, 50);
        flame.cubicTo(16, 42, 22, 36, 26, 30);
        flame.cubicTo(27, 36, 30, 38, 32, 38);
        flame.cubicTo(30, 32, 30, 27, 32, 22);
        QLinearGradient fire(0, 22, 0, 56);
        fire.setColorAt(0, QColor(255, 214, 92));
        fire.setColorAt(1, QColor(232, 72, 44));
        painter->setBrush(fire);
        painter->drawPath(flame);

        QPainterPath star;
        const QPointF c(32, 13);
        star.moveTo(c.x(), c.y() - 9);
        star.quadTo(c, QPointF(c.x() + 9, c.y()));
        star.quadTo(c, QPointF(c.x(), c.y() + 9));
        star.quadTo(c, QPointF(c.x() - 9, c.y()));
        star.quadTo(c, QPointF(c.x(), c.y() - 9));
        painter->setBrush(QColor(255, 240, 180));
        painter->drawPath(star);

        if (mode == QIcon::Disabled) {
            painter->setCompositionMode(QPainter::CompositionMode_SourceAtop);
            painter->setBrush(QColor(128, 128, 128, 160));
            painter->drawRect(QRectF(0, 0, 64, 64));
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine *clone() const override { return new StarFlameEngine; }

    // What the window manager is given for a window (every size is painted
    // for it); Qt doubles them on a screen of twice the density. Any other
    // size is painted when asked for.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }
};

} // namespace

QIcon AppIcon()
{
    return QIcon(new StarFlameEngine);
}
