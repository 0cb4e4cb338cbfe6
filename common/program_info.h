#pragma once
// --help and --version, answered before any window system is touched, so
// they work without a display.

namespace tikloom {

// The release, as "1.0.0".
const char* ProgramVersion();

// When argv holds --help/-h or --version/-V: prints usage (or name and
// version) to standard output and returns true; the program then exits 0.
bool AnswerInfoOption(int argc, char** argv, const char* programName, const char* usage);

} // namespace tikloom
