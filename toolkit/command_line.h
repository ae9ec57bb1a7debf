// The command line: --help and --version answer and end the program, with or
// without a display; anything else unknown is refused with the usage. Qt's
// own options (-platform, -style, ...) pass through to Qt.
#pragma once

#include "program.h"

#include <optional>

namespace toolkit {

// The exit code when the command line has been answered; nothing when the
// program should start.
std::optional<int> answerCommandLine(int argc, char** argv, const Project& project);

} // namespace toolkit
