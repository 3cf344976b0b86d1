#pragma once

#include <QString>
#include <QStringList>

// The languages the program speaks: the English it is written in, and Chinese
// in traditional characters as Taiwan and as Hong Kong write it, and in
// simplified characters.
namespace app {

enum class Language { English, TraditionalChinese, HongKongChinese, SimplifiedChinese };

// The language for the user's languages, most preferred first, as
// QLocale::uiLanguages() lists them. The first that is English or Chinese
// decides; Chinese of Hong Kong and Macau is Hong Kong's, other Chinese
// written "zh-Hant" or of Taiwan traditional, any other Chinese simplified.
// Without either, English.
Language languageFor(const QStringList &uiLanguages);

// Puts the program's own translation of the language, and Qt's for its
// message-box buttons and text-field menus, in place of those put before;
// English takes them away. Chinese characters, in the windows and in message
// boxes, menus and tooltips alike, come from the fonts of the language's
// forms, whatever font the desktop gives, then or later. Where no installed
// font draws Chinese characters, the program speaks English. False when a
// translation could not be loaded: the program then shows its English texts
// where the translation is missing.
bool useLanguage(Language language);

} // namespace app
