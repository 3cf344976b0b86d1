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
// act on the terminal, and a format character, which would turn the text
// around or hide a part of it, stand as U+FFFD; line breaks and tabs stay.
QString printable(QString text);
// The same, for a line that quotes what the user gave: its line breaks and tabs
// stand as U+FFFD too, so that it cannot pass for lines of the program's.
QString printableLine(const QString &text);

} // namespace platform
