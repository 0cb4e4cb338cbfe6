// Windows composes every layered window itself.

#include "clock/platform/compositor_watch.h"

namespace tikloom {

struct CompositorWatch::Native {};

CompositorWatch::CompositorWatch() = default;
CompositorWatch::~CompositorWatch() = default;

void CompositorWatch::Update() {}

} // namespace tikloom
