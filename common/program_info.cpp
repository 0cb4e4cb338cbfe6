#include "common/program_info.h"

#include <cstdio>
#include <cstring>

#ifndef TIKLOOM_VERSION
#define TIKLOOM_VERSION "unknown"
#endif

namespace tikloom {

const char* ProgramVersion() {
    return TIKLOOM_VERSION;
}

bool AnswerInfoOption(int argc, char** argv, const char* programName, const char* usage) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-V") == 0) {
            std::printf("%s %s\n", programName, ProgramVersion());
            return true;
        }
    }
    return false;
}

} // namespace tikloom
