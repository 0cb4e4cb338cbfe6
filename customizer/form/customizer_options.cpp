// The Options page: language list, hot key, start at log-on, folder and web buttons.
#include "customizer/form/TTikloomCustomizer.h"

namespace tikloom {

void TTikloomCustomizer::LoadLanguageList() {}
void TTikloomCustomizer::LoadShortcutKeys() {}
bool TTikloomCustomizer::txtHotkeyKeyPress(QKeyEvent* /*event*/) { return false; }
void TTikloomCustomizer::cbLanguageChange() {}
void TTikloomCustomizer::chkKeyClick() {}
void TTikloomCustomizer::chkStartupClick() {}
void TTikloomCustomizer::tabOptionsShow() {}
void TTikloomCustomizer::cmdOpenThemeFolderClick() {}
void TTikloomCustomizer::sbAboutWebsiteClick() {}

} // namespace tikloom
