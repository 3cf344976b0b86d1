#pragma once

// The check of a fuzz target's property: on failure it prints what went
// wrong with the texts involved, each character as a code, and aborts, so
// that libFuzzer keeps the input and the corpus runner reports the file.

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {

// The text as quoted printable ASCII with every other character as \uXXXX.
inline QByteArray shown(const QString &text)
{
    QByteArray out = "\"";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'"' && u != u'\\') {
            out += char(u);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04X", unsigned(u));
            out += code;
        }
    }
    out += '"';
    return out;
}

[[noreturn]] inline void fail(const char *file, int line, const char *what, const QString &input,
                              const QString &result)
{
    std::fprintf(stderr, "%s:%d: %s\n  input:  %s\n  result: %s\n", file, line, what,
                 shown(input).constData(), shown(result).constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzzcheck

#define FUZZ_CHECK(condition, what, input, result)                                                 \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzzcheck::fail(__FILE__, __LINE__, what, input, result);                            \
    } while (false)
