// The colour and font pickers behind the theme editor's panels.
#include "customizer/form/TTikloomCustomizer.h"

namespace tikloom {

void TTikloomCustomizer::pnlColorClick() {}
void TTikloomCustomizer::pnlFontClick() {}

} // namespace tikloom
