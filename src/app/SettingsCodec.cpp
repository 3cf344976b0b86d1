#include "SettingsCodec.h"

#include <QList>

namespace app::modHelp {

namespace {

QString shifted(QStringView text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const uint character : text.toUcs4()) {
        const int code = int(character > 255 ? uint(u'?') : character) + shift;
        if (code >= 0 && code <= 255)
            result.append(QChar(char16_t(code)));
    }
    return result;
}

} // namespace

QString EncodeSetting(QStringView text) { return shifted(text, SettingShift); }

QString DecodeSetting(QStringView text) { return shifted(text, -SettingShift); }

} // namespace app::modHelp
