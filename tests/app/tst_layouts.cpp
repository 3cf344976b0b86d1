#include "links/frmAbout.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTextLayout>
#include <QToolTip>

#include <cmath>
#include <memory>
#include <optional>
#include <type_traits>

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

// How well one colour reads on another, as WCAG 2 reckons it: from 1:1 to 21:1.
qreal contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](qreal c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF()) + 0.05;
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return qMax(la, lb) / qMin(la, lb);
}

// The palettes that desktops give besides the white one: a light grey like
// GNOME's, qt6ct's "darker" scheme, and a high-contrast one, white on black.
QPalette desktopPalette(const QString &name)
{
    struct Colours {
        QColor text, button, window, base, light, mid, dark, highlight, placeholder;
    };
    // High contrast, unless another is named.
    Colours colours{Qt::white, Qt::black, Qt::black, Qt::black, Qt::white,
                    0x808080,  0x808080,  0x1AEBFF,  0xC0C0C0};
    if (name == u"light grey")
        colours = {0x2E3436, 0xF6F5F4, 0xFAF9F8,
                   0xFAF9F8, 0xFFFFFF, 0xDEDDDA,
                   0xC0BFBC, 0x3584E4, QColor(0, 0, 0, 128)};
    else if (name == u"dark")
        colours = {Qt::white, 0x424245, 0x222020,
                   0x3D3D3D,  0x979797, 0x4A4947,
                   0x302F2E,  0x12608A, QColor(255, 255, 255, 128)};
    QPalette palette(colours.button, colours.window);
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::WindowText, colours.text},
        {QPalette::Base, colours.base},
        {QPalette::Text, colours.text},
        {QPalette::ButtonText, colours.text},
        {QPalette::Light, colours.light},
        {QPalette::Mid, colours.mid},
        {QPalette::Dark, colours.dark},
        {QPalette::Highlight, colours.highlight},
        {QPalette::PlaceholderText, colours.placeholder},
    };
    for (const auto &[role, colour] : roles)
        palette.setColor(QPalette::All, role, colour);
    return palette;
}

// The desktop's palette or font, changed while the program runs: as when the
// user picks another colour scheme, or qt6ct sets its font once the program
// has started. Qt tells each control in an event of its own; what the program
// does about it comes in the events it posts in turn. The desktop's own again
// as the guard that comes back goes.
template <class T> [[nodiscard]] auto desktopUses(const T &setting)
{
    const auto use = [](const T &value) {
        if constexpr (std::is_same_v<T, QPalette>)
            QApplication::setPalette(value);
        else
            QApplication::setFont(value);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    T before;
    if constexpr (std::is_same_v<T, QPalette>)
        before = QApplication::palette();
    else
        before = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    use(setting);
    return qScopeGuard([use, before] { use(before); });
}

// The entries of a menu that it draws shortened, "造訪我們…(V)": the ink of
// the entry is narrower than its text.
QStringList entriesDrawnShort(QMenu *menu)
{
    // Away from the pointer, which would mark the entry under it.
    menu->popup(QPoint(200, 200));
    const QImage shot = menu->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    menu->hide();
    QStringList faults;
    for (QAction *entry : menu->actions()) {
        if (entry->isSeparator())
            continue;
        // Clear of the menu's frame.
        const QRect place = menu->actionGeometry(entry).adjusted(3, 3, -3, -3);
        const QRect box(place.topLeft() * scale, place.size() * scale);
        const QRgb background = shot.pixel(box.left() + 1, box.top() + 1);
        int left = box.right();
        int right = box.left();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (shot.pixel(x, y) != background) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        const QString shown = QString(entry->text()).remove(QRegularExpression(u"&(?=.)"_s));
        const qreal width = QFontMetricsF(menu->font()).horizontalAdvance(shown);
        if ((right - left + 1) / scale < width - 4)
            faults.append(u"%1 drawn %2 pixels wide, not %3"_s.arg(shown)
                              .arg(right - left + 1)
                              .arg(qRound(width)));
    }
    return faults;
}

// A text of a window as it is drawn: the colour most of its box has, its
// background, and the colour in it that stands out most from that, its ink.
struct DrawnText {
    QString name;
    QColor ink;
    QColor background;
    qreal least; // 4.5:1, or 3:1 for bold text of 14 points and more
};

// The texts of a window as it is drawn now. Disabled entries do not count.
QList<DrawnText> drawnTexts(QWidget *window)
{
    struct Text {
        QString name;
        QRect box; // in the window
        QFont font;
    };
    QList<Text> texts;
    const auto add = [&](QWidget *control, QRect box, const QFont &font) {
        if (!control->isVisibleTo(window) || !control->isEnabled())
            return;
        // What its containers leave in view.
        box.translate(control->mapTo(window, QPoint()));
        for (QWidget *shown = control; shown != window; shown = shown->parentWidget())
            box &= QRect(shown->mapTo(window, QPoint()), shown->size());
        if (!box.isEmpty())
            texts.append(Text{control->objectName(), box, font});
    };
    for (QLabel *label : window->findChildren<QLabel *>())
        if (!label->text().isEmpty())
            add(label, label->contentsRect(), label->font());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!button->text().isEmpty())
            add(button, button->rect().adjusted(3, 3, -3, -3), button->font());
    for (QGroupBox *frame : window->findChildren<QGroupBox *>())
        add(frame,
            {6, 0, frame->fontMetrics().horizontalAdvance(frame->title()) + 4,
             frame->fontMetrics().height()},
            frame->font());
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        add(field, field->contentsRect().adjusted(2, 2, -2, -2), field->font());
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *entry : bar->actions())
            if (entry->isEnabled())
                add(bar, bar->actionGeometry(entry), bar->font());

    const QImage shot = window->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    QList<DrawnText> drawn;
    for (const Text &text : std::as_const(texts)) {
        const QRect box(text.box.topLeft() * scale, text.box.size() * scale);
        QHash<QRgb, int> counts;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ++counts[shot.pixel(x, y)];
        QRgb background = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > counts.value(background))
                background = it.key();
        QRgb ink = background;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (contrastRatio(QColor(it.key()), QColor(background)) >
                contrastRatio(QColor(ink), QColor(background)))
                ink = it.key();
        const qreal points =
            text.font.pixelSize() > 0 ? text.font.pixelSize() * 0.75 : text.font.pointSizeF();
        drawn.append(DrawnText{text.name, QColor(ink), QColor(background),
                               text.font.bold() && points >= 14 ? 3.0 : 4.5});
    }
    return drawn;
}

// The hue of a coloured ink, in degrees; none for black, white and greys.
std::optional<qreal> hueOf(const QColor &ink)
{
    if (qMax(ink.red(), qMax(ink.green(), ink.blue())) -
            qMin(ink.red(), qMin(ink.green(), ink.blue())) <
        40)
        return std::nullopt;
    return ink.hsvHueF() * 360;
}

// The texts of a window, drawn under the palette it has now, that read poorly
// on what is drawn behind them, or that are no longer of the hue they have on
// white, in the colours they were chosen for: a darker red, a lighter blue,
// but red and blue still.
QStringList textsHardToRead(QWidget *window, const QList<DrawnText> &onWhite)
{
    const QList<DrawnText> texts = drawnTexts(window);
    if (texts.size() != onWhite.size())
        return {u"%1 texts drawn, not %2"_s.arg(texts.size()).arg(onWhite.size())};
    QStringList faults;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const DrawnText &text = texts.at(i);
        const qreal contrast = contrastRatio(text.ink, text.background);
        if (contrast < text.least)
            faults.append(u"%1 %2:1"_s.arg(text.name).arg(contrast, 0, 'f', 2));
        const std::optional<qreal> wanted = hueOf(onWhite.at(i).ink);
        const std::optional<qreal> hue = hueOf(text.ink);
        if (!wanted)
            continue;
        const qreal apart = hue ? std::remainder(*hue - *wanted, 360.0) : 180;
        if (qAbs(apart) > 5)
            faults.append(u"%1 in %2, not of the hue of %3"_s.arg(text.name, text.ink.name(),
                                                                  onWhite.at(i).ink.name()));
    }
    return faults;
}

// The font that draws the first Chinese character of a text, if it has one.
QString hanFamily(const QString &text, const QFont &font)
{
    static const QRegularExpression han(u"\\p{Han}"_s);
    const QRegularExpressionMatch found = han.match(text);
    if (!found.hasMatch())
        return QString();
    QTextLayout layout(found.captured(), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

// Where Chinese characters outside the window's own controls, in message
// boxes, menus, the text fields' menus and tooltips, take another font than
// the window's.
QStringList otherHanFonts(QWidget *window, const QString &text)
{
    const QString wanted = hanFamily(text, child<QLabel>(window, "Label1")->font());
    QMessageBox box(QMessageBox::Information, u"LV Sortilo"_s, text);
    QLineEdit field;
    const std::unique_ptr<QMenu> fieldMenu(field.createStandardContextMenu());
    const std::pair<QString, QFont> elsewhere[] = {
        {u"message box"_s, child<QLabel>(&box, "qt_msgbox_label")->font()},
        {u"menu"_s, child<QMenu>(window, "mnuHelp")->font()},
        {u"text field's menu"_s, fieldMenu->font()},
        {u"tooltip"_s, QToolTip::font()},
    };
    QStringList faults;
    for (const auto &[where, font] : elsewhere)
        if (const QString family = hanFamily(text, font); family != wanted)
            faults.append(u"%1 in %2, not %3"_s.arg(where, family, wanted));
    return faults;
}

// Where the quotes, dashes and dots of a Chinese text are drawn by another font
// than its Chinese characters: narrow, touching the characters.
QStringList punctuationInOtherFonts(const QLabel *label)
{
    const QString text = label->text();
    const QString wanted = hanFamily(text, label->font());
    QTextLayout layout(text, label->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faults;
    for (int i = 0; i < text.size(); ++i) {
        if (!QStringView(u"“”‘’—…·").contains(text.at(i)))
            continue;
        for (const QGlyphRun &run : layout.glyphRuns(i, 1))
            if (run.rawFont().familyName() != wanted)
                faults.append(
                    u"%1 in %2, not %3"_s.arg(text.at(i), run.rawFont().familyName(), wanted));
    }
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
