#pragma once
// The theme editor's keys: which control edits which key of a theme file, the
// value shown when the key is absent, and the conversions between stored
// values and control values. Rows are in the order in which the editor reads
// and writes them, so a new file gets its sections in this order too.

#include <QString>
#include <vector>

namespace tikloom {

enum class ThemeKeyKind {
    ImagePath,         // image slot of a preview (control = the paint box)
    Flag,              // check box, "1" or "0"
    HandsType,         // radio pair: control on when set, secondControl the opposite
    Number,            // numeric box, signed decimal
    Color,             // swatch panel (control) and transparency box (secondControl)
    FontName,          // family of a font panel
    FontSize,          // size of a font panel, tenths of a point
    Text,              // text of an editable combo box
    TransparencyLimit, // numeric box showing 100 - stored
};

struct ThemeKeyRow {
    const char* section;
    const char* key;
    ThemeKeyKind kind;
    const char* control;
    const char* secondControl; // nullptr when the row has one control
    int absentNumber;          // shown when the key is absent (numbers, flags, font sizes)
    const char* absentText;    // shown when the key is absent (paths, texts, colours in decimal)
};

const std::vector<ThemeKeyRow>& ThemeKeyTable();

// Font sizes: stored in tenths of a point; loading drops the remainder.
int FontPointsFromStored(int stored);
int StoredFromFontPoints(int points);

// Opacity limits: stored as opacity, shown as transparency.
int PositionFromTransparencyLimit(int stored);
int TransparencyLimitFromPosition(int position);

} // namespace tikloom
