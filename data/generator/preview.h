#pragma once
// A quick composition of a shipped theme as the clock lays it out, used to
// judge a design while it is made (the clock's own renderer is the reference).

#include "theme_file.h"

#include <QImage>
#include <QTime>

namespace tikloom {

// The 128 x 128 frame of `theme` at `time`, caption text given ready-made.
QImage previewFrame(const ShippedTheme& theme, QTime time, const QString& caption);

} // namespace tikloom
