// Makes one fault of the kind the sanitizers report, so that the end-to-end
// harness's check for their reports is itself tested. Always built with the
// address and undefined-behaviour sanitizers, whatever the build type.
//
//   sanitizer_probe heap-overflow | signed-overflow | leak | clean
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int heapOverflow()
{
    char *volatile buffer = new char[8];
    buffer[8] = 'x';
    std::printf("%d\n", buffer[8]);
    delete[] buffer;
    return 0;
}

int signedOverflow()
{
    volatile int big = INT_MAX;
    std::printf("%d\n", big + 1);
    return 0;
}

void *volatile kept;

int leak()
{
    kept = std::malloc(64);
    std::memset(kept, 1, 64);
    kept = nullptr;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const char *const what = argc > 1 ? argv[1] : "";
    if (std::strcmp(what, "heap-overflow") == 0)
        return heapOverflow();
    if (std::strcmp(what, "signed-overflow") == 0)
        return signedOverflow();
    if (std::strcmp(what, "leak") == 0)
        return leak();
    if (std::strcmp(what, "clean") == 0)
        return 0;
    std::fprintf(stderr, "usage: sanitizer_probe heap-overflow|signed-overflow|leak|clean\n");
    return 2;
}
