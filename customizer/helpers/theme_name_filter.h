#pragma once
// The theme name box's character filter: a theme name becomes a file name, so
// the characters that no file name may hold are taken out as they are typed.

#include <QString>

namespace tikloom {

struct FilteredThemeName {
    QString text;
    int caret = 0;   // where the caret goes afterwards
    int removed = 0; // how many characters were taken out (one beep each)
};

// Removes every \ / : * ? " < > | from text; the caret moves back by one per removal.
FilteredThemeName FilterThemeName(const QString& text, int caret);

} // namespace tikloom
