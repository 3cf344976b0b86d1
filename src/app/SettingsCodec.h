#pragma once

#include <QString>

// The codec of the values in the settings store: every character is shifted by
// a fixed amount. Characters are taken by their single-byte (Latin-1) code; a
// character beyond Latin-1 counts as "?", and one whose shifted code would fall
// outside 0 to 255 is dropped.
namespace app::modHelp {

inline constexpr int SettingShift = 17;

QString EncodeSetting(QStringView text);
QString DecodeSetting(QStringView text);

} // namespace app::modHelp
