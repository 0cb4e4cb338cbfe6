#pragma once
// Loading of the current theme into the ThemeModel: every key with its
// default and unit conversion, the hands image, and the caption's locale.

#include "clock/core/theme_model.h"

#include <QString>
#include <cstdint>

namespace tikloom {

// The current theme file: programFolder + "Themes/" + [Theme] FileName of
// tikloom.ini (default "default.tkm").
QString CurrentThemeFilePath(const QString& programFolder);

// Fills model from the current theme. Never fails and reports nothing: a
// missing file, key or image gives the defaults. Above pixel ratio 1 the
// hands image comes from its @2x file where there is one.
void LoadThemeModel(const QString& programFolder, ThemeModel& model, double ratio = 1.0);

// The same from a given theme file; image paths still resolve against
// programFolder.
void LoadThemeModelFromFile(const QString& programFolder, const QString& themeFile,
                            ThemeModel& model, double ratio = 1.0);

// "\n" (backslash, lower-case n) becomes a line feed; nothing else changes.
QString ConvertCaptionFormat(const QString& text);

// Opacity percentage to window alpha: value x 2.55 in double precision,
// truncated (100 gives 254), kept within 0..255.
int OpacityPercentToAlpha(int32_t percent);

} // namespace tikloom
