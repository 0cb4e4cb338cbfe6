#include "customizer/helpers/theme_name_filter.h"

#include <algorithm>

namespace tikloom {

namespace {
const QString kForbiddenCharacters = QStringLiteral("\\/:*?\"<>|");
}

FilteredThemeName FilterThemeName(const QString& text, int caret) {
    FilteredThemeName result;
    result.text.reserve(text.size());
    for (const QChar ch : text) {
        if (kForbiddenCharacters.contains(ch))
            ++result.removed;
        else
            result.text.append(ch);
    }
    result.caret = std::clamp(caret - result.removed, 0, static_cast<int>(result.text.size()));
    return result;
}

} // namespace tikloom
