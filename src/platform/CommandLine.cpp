#include "CommandLine.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace platform {

namespace {

constexpr int UsageError = 2;

// The name the program was started by, as shells and man pages show it.
std::string calledAs(int argc, char **argv)
{
    if (argc < 1 || !argv[0] || !*argv[0])
        return "lv-sortilo";
    const char *const slash = std::strrchr(argv[0], '/');
    return slash && slash[1] ? slash + 1 : argv[0];
}

// An argument as it can be written to a terminal: a control character would
// act on the terminal, so it stands as "?".
std::string printable(const char *argument)
{
    std::string text(argument);
    for (char &c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f)
            c = '?';
    }
    return text;
}

bool is(const char *argument, const char *option) { return std::strcmp(argument, option) == 0; }

} // namespace

std::optional<int> answerCommandLine(int argc, char **argv)
{
    if (argc <= 1)
        return std::nullopt;
    const std::string program = calledAs(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (is(argv[i], "-h") || is(argv[i], "--help") || is(argv[i], "--version"))
            continue;
        std::fprintf(stderr, "%s: unknown argument \"%s\" (usage: %s [-h | --help | --version])\n",
                     program.c_str(), printable(argv[i]).c_str(), program.c_str());
        return UsageError;
    }
    if (is(argv[1], "-h") || is(argv[1], "--help"))
        std::printf("Usage: %s [-h | --help | --version]: starts LV Sortilo, Chinese bamboo-stick "
                    "fortune readings on the desktop (man 6 lv-sortilo).\n",
                    program.c_str());
    else
        std::printf("lv-sortilo %s\n", SORTILO_VERSION);
    // A line that could not be written is a failure, as with a full disk.
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace platform
