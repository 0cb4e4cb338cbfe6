#pragma once
// The clock's settings in tikloom.ini: [Window] and [Options] read once at
// start, [Window] written back at exit and when the session ends.

#include "clock/core/app_state.h"

#include <QRect>
#include <QString>

namespace tikloom {

// programFolder + "tikloom.ini".
QString SettingsFilePath(const QString& programFolder);

// Reads Left, Top, Minimized, HighQualitySmoothing, MinimizeShortcutModifier
// and MinimizeShortcutKey into state, each with its default. While Shift is
// held at start the window goes back to (10, 10); the file is left alone.
void ReadSettings(const QString& programFolder, bool shiftHeld, AppState& state);

// Replaces [Window] by exactly Left, Top and Minimized (0 or 1). A failed
// write is ignored: the next start uses the old values.
void SaveWindowSettings(const QString& programFolder, const QRect& windowRect, bool minimized);

} // namespace tikloom
