// Writes the application icon, as drawn by AppIcon(), to the files a desktop
// or Windows needs, so that every shipped copy is the picture the windows show.
//
//   icon_export hicolor DIR   DIR/NxN/apps/starkindle.png for every size
//   icon_export ico FILE      one .ico holding every size
//
// Needs a platform plugin for QPixmap; run with QT_QPA_PLATFORM=offscreen.

#include "app/widgets/AppIcon.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>

namespace {

const QList<int> Sizes = {16, 24, 32, 48, 64, 128, 256};

// Straight (not premultiplied) alpha: what PNG and the .ico bitmaps store.
QImage render(int size)
{
    return AppIcon().pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template <class T>
void put(QByteArray &out, T value)
{
    const T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

// A 32-bit device-independent bitmap as .ico stores it: the header gives twice
// the height (colour rows plus mask rows), rows run bottom-up, and a 1-bit
// mask follows for programs that ignore the alpha channel.
QByteArray dib(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray out;
    put<quint32>(out, 40);
    put<qint32>(out, w);
    put<qint32>(out, h * 2);
    put<quint16>(out, 1);
    put<quint16>(out, 32);
    put<quint32>(out, 0); // uncompressed
    put<quint32>(out, quint32(w * h * 4 + maskStride * h));
    put<qint32>(out, 0);
    put<qint32>(out, 0);
    put<quint32>(out, 0);
    put<quint32>(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = row[x];
            out.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p))).append(char(qAlpha(p)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(mask);
    }
    return out;
}

// Bitmaps for the small sizes, which every Windows reader understands; PNG
// for 256, the usual form at that size, which keeps the file small.
QByteArray ico()
{
    QList<QByteArray> images;
    for (int size : Sizes) {
        const QImage image = render(size);
        images.append(size >= 256 ? png(image) : dib(image));
    }

    QByteArray out;
    put<quint16>(out, 0);
    put<quint16>(out, 1); // icon, not cursor
    put<quint16>(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = Sizes[i];
        out.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        put<quint16>(out, 1);  // planes
        put<quint16>(out, 32); // bits per pixel
        put<quint32>(out, quint32(images[i].size()));
        put<quint32>(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        out.append(image);
    return out;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "icon_export: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeHicolor(const QString &root)
{
    for (int size : Sizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "icon_export: cannot make %s\n", qPrintable(dir));
            return false;
        }
        if (!write(dir + QStringLiteral("/starkindle.png"), png(render(size))))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("hicolor"))
        return writeHicolor(args[2]) ? 0 : 1;
    if (args.size() == 3 && args[1] == QLatin1String("ico"))
        return write(args[2], ico()) ? 0 : 1;
    std::fprintf(stderr, "usage: icon_export hicolor DIR | ico FILE\n");
    return 2;
}
