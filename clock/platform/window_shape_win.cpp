// Sets the window region, in device pixels; the system owns it afterwards.

#include "clock/platform/window_shape.h"

#include <QWindow>
#include <windows.h>

namespace tikloom {

void SetWindowShape(QWindow* window, const QRegion& devicePixels) {
    if (window == nullptr)
        return;
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    for (const QRect& rect : devicePixels) {
        HRGN piece = CreateRectRgn(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
        CombineRgn(shape, shape, piece, RGN_OR);
        DeleteObject(piece);
    }
    SetWindowRgn(reinterpret_cast<HWND>(window->winId()), shape, TRUE);
}

void ClearWindowShape(QWindow* window) {
    if (window != nullptr)
        SetWindowRgn(reinterpret_cast<HWND>(window->winId()), nullptr, TRUE);
}

} // namespace tikloom
