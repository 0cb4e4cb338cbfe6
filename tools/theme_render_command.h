#pragma once
// "tikloom-theme render": draws the frame the clock would show for a given
// date and time and writes it as a PNG of 128 x 128 pixels, or 128 x RATIO
// with --scale RATIO.

#include <QStringList>

namespace tikloom {

// args: the arguments after "render". Returns the exit code: 0 written,
// 1 the picture could not be written, 2 bad arguments.
int RunRenderCommand(const QStringList& args);

// The command's usage with every option.
const char* RenderUsage();

} // namespace tikloom
