#pragma once

#include <QString>

#include <optional>

namespace platform {

// The program takes no arguments, and passes none to Qt. -h or --help, and -v or
// --version, are answered on standard output as Qt's command-line parser words
// them; any other argument is refused with a line on standard error. Returns the
// exit status where the command line was answered so; nothing for the program to run.
std::optional<int> answerCommandLine(int argc, char **argv);

// The name the program was started by, as shells and man pages show it.
QString programName(const char *programPath);

// A text as it can be written to a terminal: a control character, which would
// act on the terminal, stands as U+FFFD; line breaks and tabs stay.
QString printable(QString text);

} // namespace platform
