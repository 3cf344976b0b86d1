// Fuzz target for the settings codec (app::modHelp::EncodeSetting and
// app::modHelp::DecodeSetting).
//
// The first byte of the input chooses how the rest becomes text:
//   even: every byte is one Latin-1 character (codes 0 to 255 only);
//   odd:  every two bytes are one UTF-16 code unit, little-endian, so that
//         characters beyond Latin-1, surrogate pairs and lone surrogates
//         all come in.
// Both functions then run on the text, and these must hold:
//   - neither crashes nor trips a sanitizer;
//   - neither result is longer than its input;
//   - neither result holds a character beyond Latin-1;
//   - Decode(Encode(x)) == x whenever every character of x is at most
//     255 - SettingShift (so none is dropped or turned into "?");
//   - for text without surrogates, the results are exactly those of a
//     per-character model of the codec: a character beyond Latin-1 counts
//     as "?", and a character whose shifted code leaves 0..255 is dropped.
#include "FuzzCheck.h"

#include "app/SettingsCodec.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using app::modHelp::DecodeSetting;
using app::modHelp::EncodeSetting;
using app::modHelp::SettingShift;

QString textOf(const uint8_t *data, size_t size)
{
    if (size == 0)
        return {};
    const bool utf16 = (data[0] & 1) != 0;
    ++data;
    --size;
    QString text;
    if (!utf16) {
        text.reserve(qsizetype(size));
        for (size_t i = 0; i < size; ++i)
            text.append(QChar(char16_t(data[i])));
        return text;
    }
    text.reserve(qsizetype(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    return text;
}

bool allLatin1(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

bool hasSurrogates(const QString &text)
{
    for (const QChar c : text)
        if (c.isSurrogate())
            return true;
    return false;
}

// What the codec should give, one character at a time.
QString model(const QString &text, int shift)
{
    QString result;
    for (const QChar c : text) {
        const int code = (c.unicode() > 0xFF ? int('?') : int(c.unicode())) + shift;
        if (code >= 0 && code <= 0xFF)
            result.append(QChar(char16_t(code)));
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textOf(data, size);
    const QString encoded = EncodeSetting(text);
    const QString decoded = DecodeSetting(text);

    FUZZ_CHECK(encoded.size() <= text.size(), "encoding made the text longer", text, encoded);
    FUZZ_CHECK(decoded.size() <= text.size(), "decoding made the text longer", text, decoded);
    FUZZ_CHECK(allLatin1(encoded), "encoding gave a character beyond Latin-1", text, encoded);
    FUZZ_CHECK(allLatin1(decoded), "decoding gave a character beyond Latin-1", text, decoded);

    bool survives = true;
    for (const QChar c : text)
        survives = survives && c.unicode() <= 0xFF - SettingShift;
    if (survives) {
        FUZZ_CHECK(encoded.size() == text.size(), "encoding dropped a character", text, encoded);
        const QString back = DecodeSetting(encoded);
        FUZZ_CHECK(back == text, "decoding the encoded text did not give it back", text, back);
    }

    if (!hasSurrogates(text)) {
        const QString expectedEncoded = model(text, SettingShift);
        const QString expectedDecoded = model(text, -SettingShift);
        FUZZ_CHECK(encoded == expectedEncoded, "encoding differs from the model", text, encoded);
        FUZZ_CHECK(decoded == expectedDecoded, "decoding differs from the model", text, decoded);
    }
    return 0;
}
