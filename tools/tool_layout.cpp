#include "tools/tool_layout.h"

#include <QFileInfo>

namespace tikloom {

bool ToolLayout(const QString& givenFolder, ProgramLayout& layout) {
    if (givenFolder.isEmpty()) {
        layout = CurrentLayout();
        return true;
    }
    if (!QFileInfo(givenFolder).isDir()) {
        return false;
    }
    layout = DetectLayout(givenFolder, CurrentUserEnvironment());
    return true;
}

} // namespace tikloom
