// A copy whose length the compiler cannot know, into a buffer whose size it
// does: the call that _FORTIFY_SOURCE checks at run time. Built with the
// program's flags for the packaging tests, which look at it and never run it
// (a name of 16 characters or more would stop it: "buffer overflow detected").
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    char buffer[16];
    const char *name = argc > 0 ? argv[0] : "";
    std::memcpy(buffer, name, std::strlen(name) + 1);
    return std::puts(buffer) < 0;
}
