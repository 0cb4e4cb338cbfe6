#include "common/code_page.h"

#include <QVector>

#include <cerrno>
#include <iconv.h>

namespace tikloom {

namespace {

// iconv names to try for a Windows code page, best first.
QVector<QByteArray> IconvNames(int codePage) {
    switch (codePage) {
    case 932:
        return {"CP932", "SHIFT_JIS"};
    case 936:
        return {"CP936", "GBK"};
    case 949:
        return {"CP949", "UHC"};
    case 950:
        return {"CP950", "BIG5"};
    case 1361:
        return {"JOHAB", "CP1361"};
    case 874:
        return {"CP874", "TIS-620"};
    case 20932:
        return {"EUC-JP"};
    case 28591:
        return {"ISO-8859-1"};
    default:
        return {"CP" + QByteArray::number(codePage)};
    }
}

iconv_t OpenDecoder(int codePage) {
    for (const QByteArray& name : IconvNames(codePage)) {
        iconv_t decoder = iconv_open("UTF-16LE", name.constData());
        if (decoder != reinterpret_cast<iconv_t>(-1)) {
            return decoder;
        }
    }
    return reinterpret_cast<iconv_t>(-1);
}

constexpr char16_t kReplacement = 0xFFFD;

} // namespace

std::optional<QString> DecodeCodePage(const QByteArray& bytes, int codePage) {
    iconv_t decoder = OpenDecoder(codePage);
    if (decoder == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    // Every byte gives at most one UTF-16 unit in these code pages, a
    // replacement included; room for two leaves a margin for any surprise.
    QByteArray output((bytes.size() + 1) * 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());
    while (inLeft > 0) {
        if (iconv(decoder, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if ((errno == EILSEQ || errno == EINVAL) && outLeft >= sizeof(char16_t)) {
            // An invalid or cut-off sequence: one replacement character for
            // its first byte, then go on with the next byte.
            out[0] = static_cast<char>(kReplacement & 0xFF);
            out[1] = static_cast<char>(kReplacement >> 8);
            out += sizeof(char16_t);
            outLeft -= sizeof(char16_t);
            ++in;
            --inLeft;
            iconv(decoder, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        break; // E2BIG cannot happen with the room reserved above
    }
    iconv_close(decoder);
    const qsizetype written = output.size() - static_cast<qsizetype>(outLeft);
    return QString(reinterpret_cast<const QChar*>(output.constData()), written / 2);
}

} // namespace tikloom
