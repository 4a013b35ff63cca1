#pragma once

#include <QWidget>

#include <optional>

class QImage;

// A small zodiac wheel: the twelve signs round a ring, 0° Aries on the left
// (where charts put the ascendant) and the signs running counter-clockwise,
// Eros marked at its longitude with an arrow for its direction of motion,
// the Sun (☉) for orientation. Drawn in logical coordinates with the
// palette's colours: the ring and texts in WindowText on Window, Eros in
// Highlight. Its geometry never mirrors, whatever the layout direction.
class ZodiacWheel : public QWidget
{
    Q_OBJECT

public:
    explicit ZodiacWheel(QWidget *parent = nullptr);

    // Longitudes in degrees; no Sun leaves it out.
    void setPositions(double erosLongitude, std::optional<double> sunLongitude, bool retrograde);
    double erosLongitude() const { return m_eros; }

    // What a screen reader says of the picture, composed by the caller
    // ("Eros at 14°23′ Sagittarius, retrograde"): its accessible name, and
    // a longer description.
    void setSpokenText(const QString &name, const QString &description);

    // The wheel as it is drawn, at side x side logical pixels and that device
    // pixel ratio.
    QImage picture(int side, qreal devicePixelRatio) const;
    // Writes picture(side, 2) as a PNG; false if it could not be written.
    bool savePicture(const QString &path, int side = 320) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void draw(QPainter &painter, const QRectF &area) const;

    double m_eros = 0;
    std::optional<double> m_sun;
    bool m_retrograde = false;
};
