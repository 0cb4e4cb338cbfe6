#include "clock/core/frame_change.h"

#include <algorithm>
#include <cstring>

namespace tikloom {

namespace {

bool RowsEqual(const QImage& a, const QImage& b, int y) {
    return std::memcmp(a.constScanLine(y), b.constScanLine(y),
                       static_cast<size_t>(a.width()) * sizeof(QRgb)) == 0;
}

} // namespace

QRect ChangedArea(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.format() != after.format() || after.depth() != 32)
        return after.rect();
    int top = 0;
    while (top < after.height() && RowsEqual(before, after, top))
        ++top;
    if (top == after.height())
        return {};
    int bottom = after.height() - 1;
    while (RowsEqual(before, after, bottom))
        --bottom;
    int left = after.width();
    int right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        int x = 0;
        while (x < left && a[x] == b[x])
            ++x;
        left = std::min(left, x);
        int end = after.width() - 1;
        while (end > right && a[end] == b[end])
            --end;
        right = std::max(right, end);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace tikloom
