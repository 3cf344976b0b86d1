#include "app/Translations.h"
#include "ProgramRun.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using app::Language;

Q_DECLARE_METATYPE(app::Language)

// The language the program speaks follows the desktop's, and Qt's own texts
// follow the program's.
class tst_Translations : public QObject {
    Q_OBJECT
private slots:
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();
    void qtOwnTextsSpeakTheLanguage_data();
    void qtOwnTextsSpeakTheLanguage();
};

// The desktop's languages as Qt lists them for LANG (and LANGUAGE).
void tst_Translations::languageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<Language>("spoken");
    const auto row = [](const char *name, const QStringList &desktop, Language spoken) {
        QTest::newRow(name) << desktop << spoken;
    };
    row("LANG=C", {u"C"_s}, Language::English);
    row("LANG=de_DE.UTF-8", {u"de-DE"_s, u"de-Latn-DE"_s, u"de"_s}, Language::English);
    row("LANG=en_US.UTF-8", {u"en-US"_s, u"en-Latn-US"_s, u"en"_s}, Language::English);
    row("nothing at all", {}, Language::English);
    row("LANG=zh_TW.UTF-8", {u"zh-TW"_s, u"zh-Hant-TW"_s}, Language::TraditionalChinese);
    row("LANG=zh_HK.UTF-8", {u"zh-HK"_s, u"zh-Hant-HK"_s}, Language::HongKongChinese);
    row("LANG=zh_MO.UTF-8", {u"zh-MO"_s, u"zh-Hant-MO"_s}, Language::HongKongChinese);
    row("zh_Hant", {u"zh-Hant"_s}, Language::TraditionalChinese);
    row("LANG=zh_CN.UTF-8", {u"zh-CN"_s, u"zh-Hans-CN"_s, u"zh"_s}, Language::SimplifiedChinese);
    row("LANG=zh_SG.UTF-8", {u"zh-SG"_s, u"zh-Hans-SG"_s}, Language::SimplifiedChinese);
    row("zh_Hans", {u"zh-Hans"_s}, Language::SimplifiedChinese);
    row("zh alone", {u"zh"_s}, Language::SimplifiedChinese);
    row("German first, then Taiwanese", {u"de-DE"_s, u"zh-TW"_s}, Language::TraditionalChinese);
    row("British English first, then Chinese", {u"en-GB"_s, u"zh-CN"_s}, Language::English);
    row("Hong Kong first, then mainland", {u"zh-HK"_s, u"zh-CN"_s}, Language::HongKongChinese);
    row("simplified in Hong Kong", {u"zh-Hans-HK"_s}, Language::SimplifiedChinese);
}

void tst_Translations::languageFollowsTheDesktop()
{
    QFETCH(QStringList, desktop);
    QFETCH(Language, spoken);
    QCOMPARE(app::languageFor(desktop), spoken);
}

void tst_Translations::qtOwnTextsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("copy");
    QTest::newRow("English") << u"English"_s << u"&Yes"_s << u"OK"_s << u"&Copy"_s;
    QTest::newRow("zh_TW") << u"zh_TW"_s << u"是(&Y)"_s << u"確定"_s << u"複製(&C)"_s;
    QTest::newRow("zh_HK") << u"zh_HK"_s << u"是(&Y)"_s << u"確定"_s << u"複製(&C)"_s;
    QTest::newRow("zh_CN") << u"zh_CN"_s << u"是(&Y)"_s << u"确定"_s << u"复制(&C)"_s;
}

// The buttons of message boxes and the menu of a text field; English again
// once the language is given up.
void tst_Translations::qtOwnTextsSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, yes);
    QFETCH(QString, ok);
    QFETCH(QString, copy);
    {
        const SpokenLanguage spoken(language);
        QMessageBox question(QMessageBox::Information, u"LV Sortilo"_s, u"?"_s,
                             QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), yes);
        QMessageBox notice(QMessageBox::Information, u"LV Sortilo"_s, u"!"_s, QMessageBox::Ok);
        QCOMPARE(notice.button(QMessageBox::Ok)->text(), ok);
        QLineEdit field;
        field.setText(u"ann@example.com"_s);
        QMenu *const menu = field.createStandardContextMenu();
        const auto deleteMenu = qScopeGuard([menu] { delete menu; });
        QStringList entries;
        for (QAction *entry : menu->actions())
            entries.append(entry->text().section(u'\t', 0, 0));
        QVERIFY2(entries.contains(copy), qPrintable(entries.join(u" | "_s)));
    }
    QMessageBox afterwards(QMessageBox::Information, u"LV Sortilo"_s, u"?"_s,
                           QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(afterwards.button(QMessageBox::Yes)->text(), u"&Yes"_s);
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
