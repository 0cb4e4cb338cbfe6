// Writes the icon and cursor images, and packs the icon sizes into one .ico.

#include "canvas.h"
#include "icons.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdlib>

namespace tikloom {

namespace {

const int kIconSizes[] = {16, 32, 48, 256};
// The further sizes desktops ask of an installed application's icon theme.
const int kDesktopOnlySizes[] = {22, 24, 64, 128};

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray icoFile(const QList<QImage>& images) {
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto count = static_cast<quint16>(images.size());
    out << quint16(0) << quint16(1) << count; // reserved, type 1 = icon, count
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        pngs.append(pngBytes(image));
    }
    quint32 offset = 6 + 16 * count;
    for (int i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0 in the one-byte fields.
        out << quint8(images[i].width() & 0xFF) << quint8(images[i].height() & 0xFF) << quint8(0)
            << quint8(0)                 // no palette, reserved
            << quint16(1) << quint16(32) // planes, bits per pixel
            << quint32(pngs[i].size()) << offset;
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    }
    return file;
}

QByteArray curFile(const QImage& image, int hotX, int hotY) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const int width = pixels.width();
    const int height = pixels.height();
    const int maskStride = ((width + 31) / 32) * 4; // rows of 1-bit mask, 32-bit aligned
    const auto dataSize = static_cast<quint32>(40 + width * height * 4 + maskStride * height);

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(2) << quint16(1); // reserved, type 2 = cursor, one image
    out << quint8(width & 0xFF) << quint8(height & 0xFF) << quint8(0) << quint8(0) << quint16(hotX)
        << quint16(hotY) << dataSize << quint32(6 + 16);
    // A classic device-independent bitmap: header (height counts the colour
    // rows and the mask rows), colour rows bottom-up, then the mask rows.
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(32)
        << quint32(0) << quint32(width * height * 4 + maskStride * height) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = pixels.pixel(x, y);
            out << quint8(qBlue(pixel)) << quint8(qGreen(pixel)) << quint8(qRed(pixel))
                << quint8(qAlpha(pixel));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(pixels.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8))); // transparent
            }
        }
        out.writeRawData(row.constData(), maskStride);
    }
    return file;
}

namespace {

void writeBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        std::exit(1);
    }
}

} // namespace

void writeIcons(const QString& folder) {
    const QDir dir(folder);
    QList<QImage> sizes;
    for (int size : kIconSizes) {
        const QImage icon = programIcon(size);
        savePng(icon, dir.filePath(QStringLiteral("tikloom-%1.png").arg(size)));
        sizes.append(icon);
    }
    writeBytes(icoFile(sizes), dir.filePath(QStringLiteral("tikloom.ico")));
    for (int size : kDesktopOnlySizes)
        savePng(programIcon(size), dir.filePath(QStringLiteral("tikloom-%1.png").arg(size)));
    savePng(openHandCursor(), dir.filePath(QStringLiteral("hand-open.png")));
    savePng(closedHandCursor(), dir.filePath(QStringLiteral("hand-closed.png")));
    writeBytes(curFile(openHandCursor(), kCursorHotSpot, kCursorHotSpot),
               dir.filePath(QStringLiteral("hand-open.cur")));
    writeBytes(curFile(closedHandCursor(), kCursorHotSpot, kCursorHotSpot),
               dir.filePath(QStringLiteral("hand-closed.cur")));
}

} // namespace tikloom
