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

void writeIcons(const QString& folder) {
    const QDir dir(folder);
    QList<QImage> sizes;
    for (int size : kIconSizes) {
        const QImage icon = programIcon(size);
        savePng(icon, dir.filePath(QStringLiteral("tikloom-%1.png").arg(size)));
        sizes.append(icon);
    }
    QFile ico(dir.filePath(QStringLiteral("tikloom.ico")));
    const QByteArray bytes = icoFile(sizes);
    if (!ico.open(QIODevice::WriteOnly) || ico.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << ico.fileName() << "\n";
        std::exit(1);
    }
    savePng(openHandCursor(), dir.filePath(QStringLiteral("hand-open.png")));
    savePng(closedHandCursor(), dir.filePath(QStringLiteral("hand-closed.png")));
}

} // namespace tikloom
