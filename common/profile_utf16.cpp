#include "common/profile_utf16.h"

#include "common/text_decoding.h"

#include <QString>
#include <QtEndian>

namespace tikloom {

namespace {

constexpr qsizetype kMarkSize = 2;

} // namespace

std::optional<Utf16Order> Utf16OrderOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) {
        return Utf16Order::LittleEndian;
    }
    if (bytes.startsWith("\xFE\xFF")) {
        return Utf16Order::BigEndian;
    }
    return std::nullopt;
}

QByteArray Utf16ToUtf8(const QByteArray& bytes, Utf16Order order) {
    const qsizetype units = (bytes.size() - kMarkSize) / 2;
    QString text(units, Qt::Uninitialized);
    const char* data = bytes.constData() + kMarkSize;
    for (qsizetype i = 0; i < units; ++i) {
        const char* unit = data + 2 * i;
        text[i] = QChar(order == Utf16Order::LittleEndian ? qFromLittleEndian<quint16>(unit)
                                                          : qFromBigEndian<quint16>(unit));
    }
    return text.toUtf8();
}

QByteArray Utf8ToUtf16(const QByteArray& utf8, Utf16Order order) {
    const QString text = DecodeUtf8(utf8);
    QByteArray bytes(kMarkSize + 2 * text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const auto put = [order](char* where, quint16 unit) {
        if (order == Utf16Order::LittleEndian) {
            qToLittleEndian(unit, where);
        } else {
            qToBigEndian(unit, where);
        }
    };
    put(out, 0xFEFF);
    for (qsizetype i = 0; i < text.size(); ++i) {
        put(out + kMarkSize + 2 * i, text[i].unicode());
    }
    return bytes;
}

} // namespace tikloom
