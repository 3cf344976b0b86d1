#include "ChineseFonts.h"
#include "DrawnTexts.h"
#include "links/frmAbout.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The height of a one-line label's line, in the fonts its letters are drawn
// in: a font that stands in for some letters may need a taller line.
int lineHeight(const QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return qCeil(line.height());
}

// Where a label's text does not fit the box its layout gives it, or spills
// out of its container. Only what the window shows counts: a panel that is
// hidden for now is checked while it shows.
QStringList textsThatDoNotFit(QWidget *window)
{
    QStringList faults;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QRect box = label->contentsRect();
        // Top-aligned text uses the top of its box only.
        const int usedHeight =
            label->wordWrap() ? label->heightForWidth(box.width()) : lineHeight(label);
        QRect used = box.translated(label->pos());
        if (label->alignment() & Qt::AlignTop)
            used.setHeight(qMin(used.height(), usedHeight));
        if (!label->parentWidget()->rect().contains(used))
            faults.append(label->objectName() + u" spills out of its container"_s);
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(box.width()) <= box.height()
                : label->fontMetrics().horizontalAdvance(label->text()) <= box.width() &&
                      lineHeight(label) <= box.height();
        if (!fits)
            faults.append(label->objectName() + u" is cut: "_s + label->text());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->sizeHint().width() > button->width())
            faults.append(button->objectName() + u" is cut: "_s + button->text());
    for (QGroupBox *frame : window->findChildren<QGroupBox *>())
        if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width())
            faults.append(frame->objectName() + u" is cut: "_s + frame->title());
    // The menu bar keeps to one row across the window.
    const auto *const main = qobject_cast<QMainWindow *>(window);
    if (auto *const bar = main ? qobject_cast<QMenuBar *>(main->menuWidget()) : nullptr) {
        const int row = bar->actionGeometry(bar->actions().first()).top();
        for (QAction *entry : bar->actions()) {
            const QRect place = bar->actionGeometry(entry);
            if (place.isEmpty() || place.top() != row || !bar->rect().contains(place))
                faults.append(entry->objectName() + u" does not fit the menu bar: "_s +
                              entry->text());
        }
    }
    return faults;
}

// The texts of a window that a user reads or hears, its menus' among them.
QStringList textsOf(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->objectName().startsWith(u"qt_"))
            continue;
        texts << control->accessibleName() << control->accessibleDescription();
        if (auto *const label = qobject_cast<QLabel *>(control))
            texts << label->text();
        else if (auto *const button = qobject_cast<QAbstractButton *>(control))
            texts << button->text();
        else if (auto *const box = qobject_cast<QGroupBox *>(control))
            texts << box->title();
        else if (auto *const field = qobject_cast<QLineEdit *>(control))
            texts << field->text();
        else if (auto *const message = qobject_cast<QPlainTextEdit *>(control))
            texts << message->toPlainText();
    }
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *entry : bar->actions()) {
            texts << entry->text();
            if (entry->menu())
                for (QAction *inner : entry->menu()->actions())
                    texts << inner->text();
        }
    texts.removeAll(QString());
    return texts;
}

// The texts of a window that are still in English where it speaks Chinese.
// Names stay as they are: the program's and the vendor's, and web addresses;
// an access key is a Latin letter in brackets.
QStringList untranslatedTexts(QWidget *window, const QString &language)
{
    if (language == u"English")
        return {};
    static const QRegularExpression names(
        uR"(https?://\S+|www\.velmorasoft\.com|LV Sortilo( v1\.0)?|Sortilo|Velmora( Softwares)?|\(&[A-Z]\))"_s);
    static const QRegularExpression latin(u"[A-Za-z]"_s);
    QStringList faults;
    for (const QString &text : textsOf(window))
        if (QString(text).remove(names).contains(latin))
            faults.append(text);
    return faults;
}

} // namespace

// Every text of every window fits the place its layout gives it, in the font
// that stands in for Verdana, in each language the program speaks; where it
// speaks Chinese, no English is left; under a light grey, a dark or a
// high-contrast palette, every text reads well and keeps its hue.
class tst_layouts : public QObject {
    Q_OBJECT
private slots:
    void textsFit_data();
    void textsFit();
    void controlsDrawnWhole_data();
    void controlsDrawnWhole();
};

namespace {

// The colours do not change with a stick or a word of support: they are
// checked on one of each, where they take four pictures of the window.
void checkWindow(QWidget *window, const QString &language, bool underEachPalette)
{
    const QStringList faults = textsThatDoNotFit(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    const QStringList english = untranslatedTexts(window, language);
    QVERIFY2(english.isEmpty(), qPrintable(u"in English: "_s + english.join(u" | "_s)));
    if (!underEachPalette)
        return;
    // Readable under a light grey, a dark and a high-contrast palette alike,
    // each text of the hue it has on white.
    const QList<DrawnText> onWhite = drawnTexts(window);
    for (const QString &palette : {u"light grey"_s, u"dark"_s, u"high-contrast"_s}) {
        const auto desktop = desktopUses(desktopPalette(palette));
        const QStringList poor = textsHardToRead(window, onWhite);
        QVERIFY2(poor.isEmpty(), qPrintable(palette + u": "_s + poor.join(u", "_s)));
    }
}

// The main window's Chinese in the forms of its region where Noto's font of
// them is installed, and in one font everywhere, as the window has it, also
// once the desktop sets its font as qt6ct does; its menus drawn whole; and the
// panel that takes the picture's place during the wait, its dots just after
// its caption.
void checkMainWindowBeyondItsControls(ProgramRun &run, const QString &language)
{
    QWidget *const main = &run.program.frmMain().load();
    auto *const label = child<QLabel>(main, "Label1");
    if (language != u"English") {
        QStringList others = otherHanFonts(main, label->text()) + punctuationInOtherFonts(label);
        static const QHash<QString, QString> forms{{u"zh_TW"_s, u"Noto Sans CJK TC"_s},
                                                   {u"zh_HK"_s, u"Noto Sans CJK HK"_s},
                                                   {u"zh_CN"_s, u"Noto Sans CJK SC"_s}};
        const QString drawn = hanFamily(label->text(), label->font());
        if (QFontDatabase::hasFamily(forms.value(language)) && drawn != forms.value(language))
            others.append(u"drawn in "_s + drawn);
        QVERIFY2(others.isEmpty(), qPrintable(others.join(u"; "_s)));
    }
    {
        // qt6ct's own: DejaVu LGC Sans, which Debian does not install, at 12
        // points, where menus are no narrower than their longest entry.
        const auto qt6ct = desktopUses(QFont(u"DejaVu LGC Sans"_s, 12));
        QStringList faults = entriesDrawnShort(child<QMenu>(main, "mnuHelp"));
        if (language != u"English")
            faults += otherHanFonts(main, label->text());
        QVERIFY2(faults.isEmpty(), qPrintable(u"under qt6ct's font: "_s + faults.join(u"; "_s)));
    }
    if (language != u"English") {
        // A desktop font that draws Chinese characters in forms of its own.
        const auto japanese = desktopUses(QFont(u"Noto Sans CJK JP"_s, 10));
        const QStringList others = otherHanFonts(main, label->text());
        QVERIFY2(others.isEmpty(), qPrintable(u"under Japanese forms: "_s + others.join(u"; "_s)));
    }
    run.read(child<QAbstractButton>(main, "picMain"), [&] {
        auto *const panel = child<QWidget>(main, "picMessage");
        QVERIFY(panel->isVisible());
        checkWindow(panel, language, true);
        // The dots follow the caption, with no more than a space between.
        auto *const caption = child<QLabel>(panel, "pi");
        const int gap = child<QWidget>(panel, "shp1")->x() - caption->x() -
                        caption->fontMetrics().horizontalAdvance(caption->text());
        QVERIFY2(gap >= 0 && gap <= caption->fontMetrics().height(),
                 qPrintable(u"%1 pixels between the caption and the dots"_s.arg(gap)));
    });
}

} // namespace

// Each window in each language, the results window with each stick and the
// farewell window with each of its words of support. The random draw picks
// the stick and the words.
void tst_layouts::textsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("stick"); // as the results window shows it
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<bool>("underEachPalette");
    for (const QString &language : Languages) {
        const QByteArray language8 = language.toLatin1();
        const char *const name = language8.constData();
        QTest::addRow("%s main window", name)
            << u"frmMain"_s << language << 0.5f << QString() << QSize(438, 317) << true;
        QTest::addRow("%s about window", name)
            << u"frmAbout"_s << language << 0.5f << QString() << QSize() << true;
        for (int stick = 1; stick <= 78; ++stick)
            QTest::addRow("%s stick %d", name, stick)
                << u"frmDisplay"_s << language << (stick - 0.5f) / 78 << QString::number(stick)
                << QSize(578, 352) << (stick == 1);
        for (int message = 0; message < referral::frmNagScreen2::SupportMessageCount; ++message)
            QTest::addRow("%s support message %d", name, message)
                << u"frmNagScreen2"_s << language << (message + 0.5f) / 4 << QString()
                << QSize(741, 315) << (message == 0);
    }
}

void tst_layouts::textsFit()
{
    QFETCH(QString, window);
    QFETCH(QString, language);
    QFETCH(float, r);
    QFETCH(QString, stick);
    QFETCH(QSize, clientSize);
    QFETCH(bool, underEachPalette);
    const SpokenLanguage spoken(language);
    ProgramRun run;
    run.platform.random.values = {r};
    QWidget *const shown = run.window(window);
    if (!stick.isEmpty())
        QCOMPARE(child<QLabel>(shown, "lblStick")->text(), stick);
    checkWindow(shown, language, underEachPalette);
    if (QTest::currentTestFailed())
        return;
    if (window == u"frmMain")
        checkMainWindowBeyondItsControls(run, language);
    if (clientSize.isValid())
        QCOMPARE(qobject_cast<forms::Form *>(shown)->client()->size(), clientSize);
}

void tst_layouts::controlsDrawnWhole_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QColor>("colour");
    const QSize none;
    const QColor grey(0xE0E0E0);
    QTest::newRow("sticks in the main window")
        << u"frmMain"_s << u"picMain"_s << QSize(130, 96) << QColor();
    QTest::newRow("icon in the about window")
        << u"frmAbout"_s << u"Picture1"_s << QSize(32, 32) << QColor();
    QTest::newRow("icon in the farewell window")
        << u"frmNagScreen2"_s << u"Picture1"_s << QSize(32, 32) << QColor();
    QTest::newRow("results frame") << u"frmDisplay"_s << u"Frame1"_s << none << QColor(0x144772);
    QTest::newRow("refer-a-friend frame")
        << u"frmNagScreen2"_s << u"Frame2"_s << none << QColor(Qt::white);
    QTest::newRow("downloads frame")
        << u"frmNagScreen2"_s << u"Frame6"_s << none << QColor(Qt::white);
    QTest::newRow("Back") << u"frmDisplay"_s << u"cmdOK"_s << none << grey;
    QTest::newRow("Exit") << u"frmDisplay"_s << u"cmdExit"_s << none << grey;
    QTest::newRow("about's OK") << u"frmAbout"_s << u"cmdOK"_s << none << grey;
}

// What each control draws, control by control. A picture comes out at its own
// size and holds a picture rather than a blank: most of the sticks are red,
// most of the icon is not transparent. A frame's caption is inset on its top
// line. A grey button's face is one flat grey.
void tst_layouts::controlsDrawnWhole()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QSize, pictureSize);
    QFETCH(QColor, colour);
    ProgramRun run;
    QWidget *const widget = child<QWidget>(run.window(window), qPrintable(control));
    const QImage shot = widget->grab().toImage();
    if (pictureSize.isValid()) {
        QRect drawn;
        int red = 0;
        const QColor background = shot.pixelColor(0, 0);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                if (pixel == background)
                    continue;
                drawn |= QRect(x, y, 1, 1);
                red += pixel.red() > 150 && pixel.green() < 110 && pixel.blue() < 110;
            }
        // No larger than the picture (the sticks' border aside), and not much
        // smaller: the icon leaves a little of its square transparent.
        QVERIFY2(drawn.width() <= pictureSize.width() + 2 &&
                     drawn.height() <= pictureSize.height() + 2 &&
                     drawn.height() >= pictureSize.height() * 3 / 4,
                 qPrintable(u"%1x%2"_s.arg(drawn.width()).arg(drawn.height())));
        QVERIFY2(red > pictureSize.width() * pictureSize.height() / 20,
                 qPrintable(QString::number(red)));
        return;
    }
    if (control.startsWith(u"Frame")) {
        const auto near = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                       qAbs(a.blue() - b.blue()) <
                   90;
        };
        const int captionHeight = widget->fontMetrics().height();
        int first = shot.width();
        for (int y = 0; y < captionHeight / 2; ++y)
            for (int x = 0; x < shot.width() / 2; ++x)
                if (near(shot.pixelColor(x, y), colour))
                    first = qMin(first, x);
        QVERIFY2(first >= 6 && first <= 12, qPrintable(QString::number(first)));
        // Above the top line, the frame's own background; the line runs
        // through the caption's middle.
        const QColor background = widget->palette().color(widget->backgroundRole());
        QCOMPARE(shot.pixelColor(0, 1), background);
        QVERIFY(shot.pixelColor(0, captionHeight / 2) != background);
        return;
    }
    // A column of the face, clear of the border, the focus mark and the caption.
    for (int y = 6; y < shot.height() - 6; ++y)
        QCOMPARE(shot.pixelColor(6, y), colour);
}

QTEST_MAIN(tst_layouts)
#include "tst_layouts.moc"
