// The zodiac wheel as drawn: Eros's marker read back from the pixels at
// several scales, right to left and from the saved file, in the palette's
// colours only; and what a screen reader is given.
#include "app/widgets/Accessible.h"
#include "app/widgets/ZodiacWheel.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

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
    QTest::addColumn<bool>("rightToLeft"); // and retrograde
    QTest::newRow("0°30′ Aries at 1") << 0.5 << qreal(1) << false;
    QTest::newRow("17°30′ Taurus at 1.25, right to left") << 47.5 << qreal(1.25) << true;
    QTest::newRow("13° Leo at 1.5") << 133.0 << qreal(1.5) << false;
    QTest::newRow("14°24′ Sagittarius at 1.75, right to left") << 254.4 << qreal(1.75) << true;
    QTest::newRow("29°30′ Pisces at 2") << 359.5 << qreal(2) << false;
    QTest::newRow("1°42′ Aquarius, saved picture") << 301.7 << qreal(0) << false;
}

void TestZodiacWheel::markerIsAtTheLongitude()
{
    QFETCH(double, longitude);
    QFETCH(qreal, ratio);
    QFETCH(bool, rightToLeft);
    // High contrast without blue: a pixel with blue is a colour of the wheel's own.
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    ZodiacWheel wheel;
    wheel.setPalette(palette);
    wheel.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    wheel.resize(160, 160);
    wheel.setPositions(longitude, std::fmod(longitude + 137, 360), rightToLeft);
    QImage image(QSize(160, 160) * std::max(ratio, qreal(1)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(std::max(ratio, qreal(1)));
    QTemporaryDir dir;
    if (ratio > 0) { // the widget's own painting, as the window shows it
        image.fill(Qt::black);
        wheel.render(&image);
    } else {
        QVERIFY(wheel.savePicture(dir.filePath(QStringLiteral("wheel.png"))));
        QVERIFY(image.load(dir.filePath(QStringLiteral("wheel.png")), "PNG"));
        QCOMPARE(image.size(), QSize(640, 640));
    }
    double sx = 0, sy = 0; // from the centre, y down
    int marker = 0, foreign = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            foreign += qBlue(c) != 0;
            if (c == qRgb(255, 0, 0)) {
                sx += x + 0.5 - image.width() / 2.0;
                sy += y + 0.5 - image.height() / 2.0;
                ++marker;
            }
        }
    }
    QCOMPARE(foreign, 0);
    QVERIFY2(marker > 20, "no marker drawn");
    const double found = std::atan2(-sy, sx) * 180 / std::numbers::pi - 180;
    QVERIFY2(std::abs(std::remainder(found - longitude, 360.0)) < 1, qPrintable(QString::number(found)));
}

void TestZodiacWheel::screenReaderTexts()
{
    accessible::InstallInterfaces();
    ZodiacWheel wheel;
    wheel.setSpokenText(QStringLiteral("Eros at 14°23′ Sagittarius, retrograde"), QStringLiteral("Sun in Leo"));
    QAccessibleInterface *const read = QAccessible::queryAccessibleInterface(&wheel);
    QCOMPARE(read->role(), QAccessible::Graphic);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Eros at 14°23′ Sagittarius, retrograde"));
    QCOMPARE(read->text(QAccessible::Description), QStringLiteral("Sun in Leo"));
}

QTEST_MAIN(TestZodiacWheel)
#include "tst_zodiacwheel.moc"
