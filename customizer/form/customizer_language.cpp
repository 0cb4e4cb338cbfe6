// The form's captions from the chosen language file.
#include "customizer/form/TTikloomCustomizer.h"

namespace tikloom {

void TTikloomCustomizer::ApplyLanguage() {}

} // namespace tikloom
