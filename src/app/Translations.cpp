#include "Translations.h"

#include "brand/Brand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace app {

namespace {

bool isTraditional(const QLocale &locale)
{
    if (locale.script() == QLocale::TraditionalHanScript)
        return true;
    if (locale.script() == QLocale::SimplifiedHanScript)
        return false;
    const QLocale::Territory territory = locale.territory();
    return territory == QLocale::Taiwan || territory == QLocale::HongKong ||
           territory == QLocale::Macao;
}

// The translators in use, owned by the application.
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

void removeTranslators()
{
    for (QPointer<QTranslator> *translator : {&programTranslator, &qtTranslator}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete translator->data();
        }
    }
}

bool install(QPointer<QTranslator> &slot, const QString &file, const QString &folder)
{
    auto *const translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    slot = translator;
    return true;
}

// The fonts of Debian's packages that hold the characters, in the forms of
// the language first.
QStringList hanFamilies(Language language)
{
    switch (language) {
    case Language::TraditionalChinese:
        return {u"Noto Sans CJK TC"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s,
                u"AR PL UMing TW"_s};
    case Language::SimplifiedChinese:
        return {u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s,
                u"AR PL UMing CN"_s};
    case Language::English:
        break;
    }
    return {};
}

// Message boxes, menus, the text fields' menus and tooltips are drawn in the
// application's font: its Chinese characters come from the fonts that the
// windows take them from, whatever fontconfig would choose for the desktop's
// locale. Its other letters stay as the desktop has them.
void useHanFamiliesEverywhere(const QStringList &families)
{
    static const QFont desktop = QApplication::font();
    static bool changed = false;
    if (families.isEmpty() && !changed)
        return;
    QFont font = desktop;
    if (!families.isEmpty())
        font.setFamilies(QStringList{desktop.family()} + families);
    QApplication::setFont(font);
    changed = !families.isEmpty();
}

// Whether any font installed draws Chinese characters.
bool hanFontInstalled()
{
    return !QFontDatabase::families(QFontDatabase::TraditionalChinese).isEmpty() ||
           !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty();
}

} // namespace

Language LanguageFor(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return Language::English;
        if (locale.language() == QLocale::Chinese)
            return isTraditional(locale) ? Language::TraditionalChinese
                                         : Language::SimplifiedChinese;
    }
    return Language::English;
}

QString TranslationName(Language language)
{
    switch (language) {
    case Language::TraditionalChinese:
        return u"zh_TW"_s;
    case Language::SimplifiedChinese:
        return u"zh_CN"_s;
    case Language::English:
        break;
    }
    return QString();
}

bool UseLanguage(Language language)
{
    removeTranslators();
    // Chinese that no font can draw would be a row of boxes.
    if (language != Language::English && !hanFontInstalled())
        language = Language::English;
    brand::setHanFamilies(hanFamilies(language));
    useHanFamiliesEverywhere(hanFamilies(language));
    const QString name = TranslationName(language);
    if (name.isEmpty())
        return true;
    // Qt's own texts: the buttons of message boxes, the menus of text fields.
    const bool qt = install(qtTranslator, u"qtbase_"_s + name,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool program = install(programTranslator, u"lv-sortilo_"_s + name, u":/i18n"_s);
    return qt && program;
}

} // namespace app
