#pragma once
// The clock's settings in tikloom.ini: [Window] and [Options] read once at
// start, [Window] written back at exit and when the session ends.

#include "clock/core/app_state.h"

#include <QRect>
#include <QString>

namespace tikloom {

// settingsFolder + "tikloom.ini" (the program folder when portable).
QString SettingsFilePath(const QString& settingsFolder);

// Reads Left, Top, Minimized, HighQualitySmoothing, MinimizeShortcutModifier
// and MinimizeShortcutKey into state, each with its default. While Shift is
// held at start the window goes back to (10, 10); the file is left alone.
void ReadSettings(const QString& settingsFolder, bool shiftHeld, AppState& state);

// Replaces [Window] by exactly Left, Top and Minimized (0 or 1). A failed
// write is ignored: the next start uses the old values.
void SaveWindowSettings(const QString& settingsFolder, const QRect& windowRect, bool minimized);

} // namespace tikloom
