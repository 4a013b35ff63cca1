// The shipped icon files must show the picture the windows show: the theme
// PNGs and the Windows .ico are rendered from AppIcon(), the SVG is drawn by
// hand and so is compared by rendering it.

#include "app/widgets/AppIcon.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

const QList<int> Sizes = {16, 24, 32, 48, 64, 128, 256};

QImage reference(int size)
{
    return AppIcon().pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct Difference
{
    int worst = 0;      // largest difference in any channel
    int pixelsOver = 0; // pixels differing by more than the threshold
};

// Compared premultiplied, so that the colour of a fully transparent pixel,
// which nobody sees, does not count.
Difference compare(const QImage &a, const QImage &b, int threshold)
{
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Difference d;
    for (int y = 0; y < pa.height(); ++y) {
        const auto *ra = reinterpret_cast<const QRgb *>(pa.constScanLine(y));
        const auto *rb = reinterpret_cast<const QRgb *>(pb.constScanLine(y));
        for (int x = 0; x < pa.width(); ++x) {
            const int r = std::abs(qRed(ra[x]) - qRed(rb[x]));
            const int g = std::abs(qGreen(ra[x]) - qGreen(rb[x]));
            const int b = std::abs(qBlue(ra[x]) - qBlue(rb[x]));
            const int a = std::abs(qAlpha(ra[x]) - qAlpha(rb[x]));
            const int m = std::max({r, g, b, a});
            d.worst = std::max(d.worst, m);
            if (m > threshold)
                ++d.pixelsOver;
        }
    }
    return d;
}

} // namespace

class TestIconFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void themePngs_data();
    void themePngs();
    void windowsIcoHoldsEverySize();
    void svgDrawsTheSamePicture_data();
    void svgDrawsTheSamePicture();
};

void TestIconFiles::themePngs_data()
{
    QTest::addColumn<int>("size");
    for (int size : Sizes)
        QTest::addRow("%dpx", size) << size;
}

void TestIconFiles::themePngs()
{
    QFETCH(int, size);
    const QString path = QStringLiteral(HICOLOR_DIR "/%1x%1/apps/starkindle.png").arg(size);
    QImage png;
    QVERIFY2(png.load(path), qPrintable(path));
    QCOMPARE(png.size(), QSize(size, size));
    QVERIFY(png.hasAlphaChannel());

    // Only the rounding of the alpha conversion may differ.
    const Difference d = compare(png, reference(size), 2);
    QVERIFY2(d.worst <= 2, qPrintable(QStringLiteral("largest channel difference %1").arg(d.worst)));
}

void TestIconFiles::windowsIcoHoldsEverySize()
{
    QImageReader reader(QStringLiteral(WINDOWS_ICO), "ico");
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QCOMPARE(reader.imageCount(), int(Sizes.size()));

    QSet<int> seen;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        QVERIFY2(Sizes.contains(image.width()), qPrintable(QString::number(image.width())));
        seen.insert(image.width());

        // A stale .ico (AppIcon changed, the file not refreshed) fails here.
        const Difference d = compare(image, reference(image.width()), 2);
        QVERIFY2(d.worst <= 2, qPrintable(QStringLiteral("%1px: largest channel difference %2 (refresh the "
                                                         "file with the update_windows_icon target)")
                                              .arg(image.width())
                                              .arg(d.worst)));
    }
    QCOMPARE(seen.size(), Sizes.size());
}

void TestIconFiles::svgDrawsTheSamePicture_data()
{
    QTest::addColumn<int>("size");
    QTest::addRow("64px") << 64;
    QTest::addRow("256px") << 256;
}

void TestIconFiles::svgDrawsTheSamePicture()
{
    QFETCH(int, size);
    const QString rsvg = QStringLiteral(RSVG_CONVERT);
    if (rsvg.isEmpty())
        QSKIP("rsvg-convert is not installed (librsvg2-bin)");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("svg.png"));
    QProcess p;
    p.start(rsvg, {QStringLiteral("-w"), QString::number(size), QStringLiteral("-h"), QString::number(size),
                   QStringLiteral("-o"), out, QStringLiteral(ICON_SVG)});
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAllStandardError().constData());

    QImage svg;
    QVERIFY(svg.load(out));
    QCOMPARE(svg.size(), QSize(size, size));

    // Two renderers smooth edges differently and round gradients a little
    // differently, so pixels along the edges (a number that grows with the
    // size) differ slightly. A shape moved by a fraction of a grid unit makes
    // edge pixels differ a lot; a colour a few steps off makes a whole area
    // (a number that grows with the square of the size) differ a little.
    const Difference outline = compare(svg, reference(size), 48);
    const Difference colour = compare(svg, reference(size), 2);
    qInfo("%d pixels differ by more than 48, %d by more than 2", outline.pixelsOver, colour.pixelsOver);
    QVERIFY2(outline.pixelsOver <= size / 16, "the outline differs");
    QVERIFY2(colour.pixelsOver <= 3 * size, "the colours differ");
}

QTEST_MAIN(TestIconFiles)
#include "tst_iconfiles.moc"
