#include "clock/core/settings.h"

#include "common/profile_file.h"

#include <QStringList>

namespace tikloom {

namespace {

const QString kSettingsFileName = QStringLiteral("tikloom.ini");
const QString kWindowSection = QStringLiteral("Window");
const QString kOptionsSection = QStringLiteral("Options");

constexpr int kDefaultWindowPosition = 10;
constexpr uint32_t kDefaultMinimized = 0;
constexpr uint32_t kDefaultHighQualitySmoothing = 1;
constexpr uint32_t kDefaultShortcutModifier = 8; // Win
constexpr uint32_t kDefaultShortcutKey = 67;     // C

// Left and Top are signed: the clock's integer rule wraps "-500" to 2^32 - 500.
int ReadSignedInt(const QString& file, const QString& section, const QString& key, int def) {
    return static_cast<int32_t>(
        ReadProfileIntClock(file, section, key, static_cast<uint32_t>(def)));
}

} // namespace

QString SettingsFilePath(const QString& settingsFolder) {
    return settingsFolder + kSettingsFileName;
}

void ReadSettings(const QString& settingsFolder, bool shiftHeld, AppState& state) {
    const QString file = SettingsFilePath(settingsFolder);
    state.WindowLeft =
        ReadSignedInt(file, kWindowSection, QStringLiteral("Left"), kDefaultWindowPosition);
    state.WindowTop =
        ReadSignedInt(file, kWindowSection, QStringLiteral("Top"), kDefaultWindowPosition);
    state.Minimized = ReadProfileIntClock(file, kWindowSection, QStringLiteral("Minimized"),
                                          kDefaultMinimized) != 0;
    state.HighQualitySmoothing =
        ReadProfileIntClock(file, kOptionsSection, QStringLiteral("HighQualitySmoothing"),
                            kDefaultHighQualitySmoothing) != 0;
    state.MinimizeShortcutModifier =
        ReadProfileIntClock(file, kOptionsSection, QStringLiteral("MinimizeShortcutModifier"),
                            kDefaultShortcutModifier);
    state.MinimizeShortcutKey = ReadProfileIntClock(
        file, kOptionsSection, QStringLiteral("MinimizeShortcutKey"), kDefaultShortcutKey);

    // Holding Shift at start brings back a clock that was lost off-screen;
    // the reset position is saved at the next exit.
    if (shiftHeld) {
        state.WindowLeft = kDefaultWindowPosition;
        state.WindowTop = kDefaultWindowPosition;
    }
}

void SaveWindowSettings(const QString& settingsFolder, const QRect& windowRect, bool minimized) {
    const QStringList entries{
        QStringLiteral("Left=%1").arg(windowRect.left()),
        QStringLiteral("Top=%1").arg(windowRect.top()),
        QStringLiteral("Minimized=%1").arg(minimized ? 1 : 0),
    };
    WriteProfileSection(SettingsFilePath(settingsFolder), kWindowSection, entries);
}

} // namespace tikloom
