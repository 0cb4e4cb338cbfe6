// Sets the window region, in device pixels from the window's top-left
// corner; the system owns the region afterwards. A clock's outline is a few
// hundred rectangles: they go to the system in one region record rather than
// one combine call each.

#include "clock/platform/window_shape.h"

#include <QWindow>

#include <cstring>
#include <vector>
#include <windows.h>

namespace tikloom {

namespace {

HRGN RegionOf(const QRegion& devicePixels) {
    const DWORD count = static_cast<DWORD>(devicePixels.rectCount());
    std::vector<char> record(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = count;
    header.nRgnSize = count * sizeof(RECT);
    const QRect bounds = devicePixels.boundingRect();
    header.rcBound = {bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
    std::memcpy(record.data(), &header, sizeof(header));
    char* next = record.data() + sizeof(RGNDATAHEADER);
    for (const QRect& rect : devicePixels) {
        const RECT piece = {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
        std::memcpy(next, &piece, sizeof(piece));
        next += sizeof(piece);
    }
    return ExtCreateRegion(nullptr, static_cast<DWORD>(record.size()),
                           reinterpret_cast<const RGNDATA*>(record.data()));
}

} // namespace

void SetWindowShape(QWindow* window, const QRegion& devicePixels) {
    if (window == nullptr)
        return;
    HRGN shape = RegionOf(devicePixels);
    if (shape != nullptr && SetWindowRgn(reinterpret_cast<HWND>(window->winId()), shape, TRUE) == 0)
        DeleteObject(shape); // not taken: still ours
}

void ClearWindowShape(QWindow* window) {
    if (window != nullptr)
        SetWindowRgn(reinterpret_cast<HWND>(window->winId()), nullptr, TRUE);
}

} // namespace tikloom
