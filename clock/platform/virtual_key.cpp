#include "clock/platform/virtual_key.h"

namespace tikloom {

namespace {

constexpr uint32_t kVkBackspace = 8;
constexpr uint32_t kVkEnter = 13;
constexpr uint32_t kVkEscape = 27;
constexpr uint32_t kVkSpace = 32;
constexpr uint32_t kVkF1 = 112;
constexpr uint32_t kVkF24 = 135;

constexpr uint32_t kXkBackspace = 0xff08;
constexpr uint32_t kXkReturn = 0xff0d;
constexpr uint32_t kXkEscape = 0xff1b;
constexpr uint32_t kXkSpace = 0x20;
constexpr uint32_t kXkF1 = 0xffbe;

} // namespace

uint32_t KeysymForVirtualKey(uint32_t virtualKey) {
    // Letters: the virtual key is the upper-case character; X11 grabs by the
    // lower-case keysym, which names the same physical key.
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return virtualKey - 'A' + 'a';
    if (virtualKey >= '0' && virtualKey <= '9')
        return virtualKey;
    if (virtualKey >= kVkF1 && virtualKey <= kVkF24)
        return kXkF1 + (virtualKey - kVkF1);
    switch (virtualKey) {
    case kVkBackspace:
        return kXkBackspace;
    case kVkEnter:
        return kXkReturn;
    case kVkEscape:
        return kXkEscape;
    case kVkSpace:
        return kXkSpace;
    default:
        return 0;
    }
}

} // namespace tikloom
