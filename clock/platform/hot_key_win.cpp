// The hot key on Windows: RegisterHotKey on a message-only window of our own.
// WM_HOTKEY then goes to that window's procedure, so it also arrives while a
// menu or a message box runs its own message loop, which would drop a message
// posted to the thread alone. The modifier bits stored in tikloom.ini are
// RegisterHotKey's own (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN).

#include "clock/platform/hot_key.h"

#include <windows.h>

namespace tikloom {

namespace {

constexpr int kHotKeyId = 1;
const wchar_t kWindowClass[] = L"TikloomHotKey";

static_assert(kHotKeyAlt == MOD_ALT && kHotKeyCtrl == MOD_CONTROL && kHotKeyShift == MOD_SHIFT &&
                  kHotKeyWin == MOD_WIN,
              "the stored modifier bits are the system's");

LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY && wParam == kHotKeyId) {
        auto* owner = reinterpret_cast<HotKey*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (owner != nullptr)
            emit owner->Pressed();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateMessageWindow(HotKey* owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HotKeyWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    // A second registration (a second HotKey) fails harmlessly: the class is there.
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
    if (window != nullptr)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return window;
}

} // namespace

struct HotKey::Native {
    HWND window = nullptr;
    bool registered = false;
};

HotKey::HotKey() : native_(std::make_unique<Native>()) {}

HotKey::~HotKey() {
    Unregister();
    if (native_->window != nullptr)
        DestroyWindow(native_->window);
}

bool HotKey::Register(uint32_t modifiers, uint32_t virtualKey) {
    Unregister();
    if (native_->window == nullptr)
        native_->window = CreateMessageWindow(this);
    if (native_->window == nullptr ||
        !RegisterHotKey(native_->window, kHotKeyId, modifiers, virtualKey))
        return false;
    native_->registered = true;
    return true;
}

void HotKey::Unregister() {
    if (!native_->registered)
        return;
    UnregisterHotKey(native_->window, kHotKeyId);
    native_->registered = false;
}

} // namespace tikloom
