#include "SettingsCodec.h"

namespace modHelp {

namespace {

QString shifted(QStringView text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const char byte : text.toLatin1()) {
        const int code = static_cast<unsigned char>(byte) + shift;
        if (code >= 0 && code <= 255)
            result.append(QChar(char16_t(code)));
    }
    return result;
}

} // namespace

QString EncodeSetting(QStringView text) { return shifted(text, SettingShift); }

QString DecodeSetting(QStringView text) { return shifted(text, -SettingShift); }

} // namespace modHelp
