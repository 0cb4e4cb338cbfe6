// The Windows shell has no trays to embed windows in: Qt's tray icon, which
// hands the icon to the shell, serves there.

#include "clock/platform/embedded_tray_icon.h"

namespace tikloom {

struct EmbeddedTrayIcon::Native {};

EmbeddedTrayIcon::EmbeddedTrayIcon() = default;
EmbeddedTrayIcon::~EmbeddedTrayIcon() = default;

bool EmbeddedTrayIcon::Docked() const {
    return false;
}

bool EmbeddedTrayIcon::Dock() {
    return false;
}

QSize EmbeddedTrayIcon::Place() const {
    return {};
}

void EmbeddedTrayIcon::Show(const QImage&) {}

void EmbeddedTrayIcon::Remove() {}

} // namespace tikloom
