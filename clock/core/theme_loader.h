#pragma once
// Loading of the current theme into the ThemeModel: every key with its
// default and unit conversion, the hands image, and the caption's locale.

#include "clock/core/theme_model.h"
#include "common/program_layout.h"

#include <QString>
#include <cstdint>

namespace tikloom {

// The current theme file: [Theme] FileName of tikloom.ini (default
// "default.tkm") in the user's Themes/ folder, else in the shipped one.
QString CurrentThemeFilePath(const ProgramLayout& layout);

// Fills model from the current theme. Never fails and reports nothing: a
// missing file, key or image gives the defaults. Image paths resolve against
// the folder the theme came from, then the layout's other one. Above pixel
// ratio 1 the hands image comes from its @2x file where there is one.
void LoadThemeModel(const ProgramLayout& layout, ThemeModel& model, double ratio = 1.0);

// The same from a given theme file.
void LoadThemeModelFromFile(const ProgramLayout& layout, const QString& themeFile,
                            ThemeModel& model, double ratio = 1.0);

// The portable layout of programFolder.
inline void LoadThemeModel(const QString& programFolder, ThemeModel& model, double ratio = 1.0) {
    LoadThemeModel(PortableLayout(programFolder), model, ratio);
}
inline void LoadThemeModelFromFile(const QString& programFolder, const QString& themeFile,
                                   ThemeModel& model, double ratio = 1.0) {
    LoadThemeModelFromFile(PortableLayout(programFolder), themeFile, model, ratio);
}

// "\n" (backslash, lower-case n) becomes a line feed; nothing else changes.
QString ConvertCaptionFormat(const QString& text);

// Opacity percentage to window alpha: value x 2.55 in double precision,
// truncated (100 gives 254), kept within 0..255.
int OpacityPercentToAlpha(int32_t percent);

} // namespace tikloom
