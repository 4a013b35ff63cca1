// The zodiac wheel as drawn: where Eros's marker lands, read back from the
// pixels at several scales and in either layout direction, that it draws in
// the palette's colours only, and what a screen reader is given.
#include "app/widgets/Accessible.h"
#include "app/widgets/ZodiacWheel.h"

#include <QAccessible>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// High-contrast colours, none of them with blue: any pixel with blue in it
// was drawn in a colour of the wheel's own.
QPalette highContrast()
{
    QPalette p;
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, QColor(255, 255, 0));
    p.setColor(QPalette::Highlight, QColor(255, 0, 0));
    return p;
}

struct Scan {
    std::optional<double> longitude; // of the marker's pixels' centre
    int foreign = 0; // pixels with blue
};

Scan scan(const QImage &image)
{
    double sx = 0, sy = 0;
    int n = 0;
    Scan s;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            s.foreign += qBlue(c) != 0;
            if (c == qRgb(255, 0, 0)) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
        }
    }
    if (n > 20) {
        // 0° Aries on the left, counter-clockwise, y down.
        const double dx = sx / n - image.width() / 2.0, dy = sy / n - image.height() / 2.0;
        s.longitude = std::remainder(std::atan2(-dy, dx) * 180 / std::numbers::pi - 180, 360.0);
    }
    return s;
}

} // namespace

class TestZodiacWheel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markerIsAtTheLongitude_data();
    void markerIsAtTheLongitude();
    void screenReaderTexts();
};

void TestZodiacWheel::markerIsAtTheLongitude_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<qreal>("ratio"); // 0: through savePicture
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<bool>("retrograde");
    QTest::newRow("0°30′ Aries at 1") << 0.5 << qreal(1) << false << false;
    QTest::newRow("17°30′ Taurus at 1.25") << 47.5 << qreal(1.25) << false << true;
    QTest::newRow("13° Leo at 1.5") << 133.0 << qreal(1.5) << false << false;
    QTest::newRow("14°24′ Sagittarius at 1.75") << 254.4 << qreal(1.75) << false << true;
    QTest::newRow("29°30′ Pisces at 2") << 359.5 << qreal(2) << false << false;
    QTest::newRow("13° Leo right to left at 1") << 133.0 << qreal(1) << true << false;
    QTest::newRow("14°24′ Sagittarius right to left at 1.5") << 254.4 << qreal(1.5) << true << true;
    QTest::newRow("1°42′ Aquarius, saved picture") << 301.7 << qreal(0) << false << false;
}

void TestZodiacWheel::markerIsAtTheLongitude()
{
    QFETCH(double, longitude);
    QFETCH(qreal, ratio);
    QFETCH(bool, rightToLeft);
    QFETCH(bool, retrograde);
    ZodiacWheel wheel;
    wheel.setPalette(highContrast());
    wheel.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    wheel.resize(160, 160);
    wheel.setPositions(longitude, std::fmod(longitude + 137, 360), retrograde);
    QImage image;
    if (ratio > 0) {
        // Through the widget's own painting, as the window shows it.
        image = QImage(QSize(160, 160) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        wheel.render(&image);
    } else {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wheel.png"));
        QVERIFY(wheel.savePicture(path));
        QVERIFY(image.load(path, "PNG"));
        QCOMPARE(image.size(), QSize(640, 640));
    }
    const Scan s = scan(image);
    QCOMPARE(s.foreign, 0);
    QVERIFY2(s.longitude, "no marker drawn");
    QVERIFY2(std::abs(std::remainder(*s.longitude - longitude, 360.0)) < 1,
             qPrintable(QStringLiteral("marker at %1").arg(*s.longitude)));
}

void TestZodiacWheel::screenReaderTexts()
{
    accessible::InstallInterfaces();
    ZodiacWheel wheel;
    const QString name = QStringLiteral("Eros at 14°23′ Sagittarius, retrograde");
    const QString description = QStringLiteral("The Sun at 2°05′ Leo");
    wheel.setSpokenText(name, description);
    QAccessibleInterface *const read = QAccessible::queryAccessibleInterface(&wheel);
    QVERIFY(read);
    QCOMPARE(read->role(), QAccessible::Graphic);
    QCOMPARE(read->text(QAccessible::Name), name);
    QCOMPARE(read->text(QAccessible::Description), description);
}

QTEST_MAIN(TestZodiacWheel)
#include "tst_zodiacwheel.moc"
