#include "common/code_page.h"

#include <windows.h>

namespace tikloom {

std::optional<QString> DecodeCodePage(const QByteArray& bytes, int codePage) {
    if (!IsValidCodePage(static_cast<UINT>(codePage))) {
        return std::nullopt;
    }
    if (bytes.isEmpty()) {
        return QString();
    }
    const int units = MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.constData(),
                                          static_cast<int>(bytes.size()), nullptr, 0);
    if (units <= 0) {
        return std::nullopt;
    }
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.constData(),
                        static_cast<int>(bytes.size()), reinterpret_cast<wchar_t*>(text.data()),
                        units);
    return text;
}

} // namespace tikloom
