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

// The translators in use, owned by the application.
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

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

// Each language, in the order of Language: the name its translation files end
// in, and the fonts of Debian's packages that hold the characters, in the
// forms of the language first: Taiwan's, Hong Kong's or the mainland's.
struct Spoken {
    QString name;
    QStringList hanFamilies;
};

const Spoken &spoken(Language language)
{
    static const Spoken languages[] = {
        {},
        {u"zh_TW"_s,
         {u"Noto Sans CJK TC"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s,
          u"AR PL UMing TW"_s}},
        {u"zh_HK"_s,
         {u"Noto Sans CJK HK"_s, u"Noto Sans CJK TC"_s, u"WenQuanYi Micro Hei"_s,
          u"WenQuanYi Zen Hei"_s, u"AR PL UMing HK"_s}},
        {u"zh_CN"_s,
         {u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s,
          u"AR PL UMing CN"_s}},
    };
    return languages[int(language)];
}

bool drawsChinese(const QString &family)
{
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::TraditionalChinese) ||
           systems.contains(QFontDatabase::SimplifiedChinese);
}

// Message boxes, menus, the text fields' menus and tooltips are drawn in the
// application's font: its Chinese characters come from the fonts that the
// windows take them from, whatever fontconfig would choose for the desktop's
// locale. Its other letters stay in the desktop's family where that is
// installed; one that is not is left out, as Qt could have fontconfig stand in
// for it, by the locale, ahead of the language's fonts. A desktop family that
// draws Chinese characters itself comes after the language's fonts, so that
// the language's forms win.
//
// qt6ct sets the desktop's font once the program has started, and again
// whenever the user picks another: the fonts are put into each.
class HanFamiliesEverywhere final : public QObject {
public:
    HanFamiliesEverywhere()
        : QObject(qApp)
    {
        qApp->installEventFilter(this);
    }

    void use(const QStringList &families)
    {
        m_families = families;
        apply();
    }

protected:
    // Once whoever changes the font is done with it.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange)
            QMetaObject::invokeMethod(this, &HanFamiliesEverywhere::follow, Qt::QueuedConnection);
        return false;
    }

private:
    void follow()
    {
        if (QApplication::font() == m_set)
            return;
        m_desktop = QApplication::font();
        apply();
    }

    void apply()
    {
        QFont font = m_desktop;
        if (!m_families.isEmpty()) {
            QStringList families = m_families;
            const QString desktop = m_desktop.family();
            if (QFontDatabase::hasFamily(desktop))
                families.insert(drawsChinese(desktop) ? families.size() : 0, desktop);
            font.setFamilies(families);
        }
        m_set = font;
        if (QApplication::font() != font)
            QApplication::setFont(font);
    }

    QFont m_desktop = QApplication::font();
    QStringList m_families;
    QFont m_set = m_desktop;
};

// English leaves the desktop's font alone until Chinese has been spoken.
void useHanFamiliesEverywhere(const QStringList &families)
{
    static HanFamiliesEverywhere *everywhere = nullptr;
    if (!everywhere && families.isEmpty())
        return;
    if (!everywhere)
        everywhere = new HanFamiliesEverywhere;
    everywhere->use(families);
}

} // namespace

Language languageFor(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return Language::English;
        if (locale.language() != QLocale::Chinese)
            continue;
        const QLocale::Territory territory = locale.territory();
        // Simplified characters, wherever they are written ("zh-Hans-HK").
        if (locale.script() == QLocale::SimplifiedHanScript)
            return Language::SimplifiedChinese;
        if (territory == QLocale::HongKong || territory == QLocale::Macao)
            return Language::HongKongChinese;
        if (locale.script() == QLocale::TraditionalHanScript || territory == QLocale::Taiwan)
            return Language::TraditionalChinese;
        return Language::SimplifiedChinese;
    }
    return Language::English;
}

bool useLanguage(Language language)
{
    // A translator that is deleted takes itself out of the application.
    delete programTranslator.data();
    delete qtTranslator.data();
    // Chinese that no font can draw would be a row of boxes.
    if (language != Language::English &&
        QFontDatabase::families(QFontDatabase::TraditionalChinese).isEmpty() &&
        QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        language = Language::English;
    brand::setHanFamilies(spoken(language).hanFamilies);
    useHanFamiliesEverywhere(spoken(language).hanFamilies);
    const QString name = spoken(language).name;
    if (name.isEmpty())
        return true;
    // Qt's own texts: the buttons of message boxes, the menus of text fields.
    // Qt has them in traditional characters as Taiwan writes them, which Hong
    // Kong writes alike.
    const QString qtName =
        language == Language::HongKongChinese ? spoken(Language::TraditionalChinese).name : name;
    const bool qt = install(qtTranslator, u"qtbase_"_s + qtName,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool program = install(programTranslator, u"lv-sortilo_"_s + name, u":/i18n"_s);
    return qt && program;
}

} // namespace app
