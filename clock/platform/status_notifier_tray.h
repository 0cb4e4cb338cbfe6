#pragma once
// Whether the session's tray takes StatusNotifier items: a watcher on the
// session D-Bus with a host (a panel that shows the items) registered. That
// is the question Qt's tray icon asks, once, when the first one is made: its
// answer decides whether that icon goes over D-Bus.

namespace tikloom {

bool StatusNotifierTrayRuns();

} // namespace tikloom
