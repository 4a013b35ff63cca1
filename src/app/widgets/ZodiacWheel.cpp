#include "app/widgets/ZodiacWheel.h"

#include "astro/Sign.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

constexpr double Degree = std::numbers::pi / 180;

// Where a longitude lies on the wheel: 0° Aries on the left, the zodiac
// counter-clockwise (screen y runs down).
QPointF at(const QPointF &centre, double radius, double longitude)
{
    const double a = (180 + longitude) * Degree;
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

// A sign's short name on the ring: the first letters of its name in the
// user's language, so it needs no glyph font and no text of its own.
QString shortName(astro::Sign sign)
{
    return astro::SignDisplayName(sign).left(3);
}

} // namespace

ZodiacWheel::ZodiacWheel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ZodiacWheel"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ZodiacWheel::setPositions(double erosLongitude, std::optional<double> sunLongitude, bool retrograde)
{
    m_eros = erosLongitude;
    m_sun = sunLongitude;
    m_retrograde = retrograde;
    update();
}

void ZodiacWheel::setSpokenText(const QString &name, const QString &description)
{
    setAccessibleName(name);
    setAccessibleDescription(description);
}

QSize ZodiacWheel::sizeHint() const
{
    return {160, 160};
}

QSize ZodiacWheel::minimumSizeHint() const
{
    return {96, 96};
}

void ZodiacWheel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(painter, rect());
}

QImage ZodiacWheel::picture(int side, qreal devicePixelRatio) const
{
    const int pixels = int(std::ceil(side * devicePixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    draw(painter, QRectF(0, 0, side, side));
    return image;
}

bool ZodiacWheel::savePicture(const QString &path, int side) const
{
    return picture(side, 2).save(path, "PNG");
}

void ZodiacWheel::draw(QPainter &painter, const QRectF &area) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Text inside the wheel is laid out left to right whatever the
    // widget's direction; each name is shaped in its own script anyway.
    painter.setLayoutDirection(Qt::LeftToRight);

    const QColor ink = palette().color(QPalette::WindowText);
    const QColor marker = palette().color(QPalette::Highlight);
    const QColor ground = palette().color(QPalette::Window);

    const double side = std::min(area.width(), area.height());
    const QPointF centre = area.center();
    const double outer = side / 2 - 1.5;
    const double inner = outer * 0.74;
    const double line = std::max(1.0, side / 160);

    painter.setPen(QPen(ink, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, outer, outer);
    painter.drawEllipse(centre, inner, inner);

    QFont font = painter.font();
    font.setPixelSize(std::max(7, int(std::lround((outer - inner) * 0.42))));
    painter.setFont(font);
    for (int k = 0; k < astro::SignCount; ++k) {
        painter.drawLine(at(centre, inner, k * 30.0), at(centre, outer, k * 30.0));
        const QPointF middle = at(centre, (inner + outer) / 2, k * 30.0 + 15);
        const double box = outer - inner;
        painter.drawText(QRectF(middle.x() - box, middle.y() - box / 2, 2 * box, box), Qt::AlignCenter,
                         shortName(astro::AllSigns[std::size_t(k)]));
    }

    // Eros and the Sun on their rays, inside the ring, each with a tick on
    // the inner circle.
    const double dot = std::max(3.0, side / 28);
    const auto tick = [&](double longitude) {
        painter.setPen(QPen(ink, line));
        painter.drawLine(at(centre, inner, longitude), at(centre, inner - dot, longitude));
    };
    if (m_sun) {
        const double r = inner * 0.52;
        tick(*m_sun);
        const QPointF p = at(centre, r, *m_sun);
        painter.setPen(QPen(ink, line));
        painter.setBrush(ground);
        painter.drawEllipse(p, dot, dot);
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(p, dot / 3, dot / 3);
    }

    const double r = inner - 2.6 * dot;
    tick(m_eros);
    const QPointF p = at(centre, r, m_eros);
    painter.setPen(QPen(ink, line));
    painter.setBrush(marker);
    painter.drawEllipse(p, dot * 1.2, dot * 1.2);

    // The direction of motion: an arrowhead just ahead of the marker along
    // the circle, counter-clockwise when direct, clockwise when retrograde.
    const double ahead = (m_retrograde ? -1 : 1) * (dot * 2.4 / r) / Degree;
    const QPointF tip = at(centre, r, m_eros + 1.6 * ahead), base = at(centre, r, m_eros + ahead);
    const QPointF along = tip - base, across(-along.y() * 0.6, along.x() * 0.6);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(base + across);
    arrow.lineTo(base - across);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(arrow);
}
