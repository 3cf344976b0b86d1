#pragma once

#include <optional>

namespace platform {

// The program takes no arguments, and passes none to Qt. --help and --version
// print one line on standard output; any other argument is refused with a
// line on standard error. Returns the exit status when the command line has
// been answered so, and nothing when the program is to run.
std::optional<int> answerCommandLine(int argc, char **argv);

} // namespace platform
