#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>

#include <cmath>
#include <optional>
#include <type_traits>

using namespace Qt::Literals::StringLiterals;

// How a window's texts are drawn, and the desktop's palettes and fonts they
// are drawn under.

// How well one colour reads on another, as WCAG 2 reckons it: from 1:1 to 21:1.
inline qreal contrastRatio(const QColor &a, const QColor &b)
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
inline QPalette desktopPalette(const QString &name)
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
inline QStringList entriesDrawnShort(QMenu *menu)
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
inline QList<DrawnText> drawnTexts(QWidget *window)
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
inline std::optional<qreal> hueOf(const QColor &ink)
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
inline QStringList textsHardToRead(QWidget *window, const QList<DrawnText> &onWhite)
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
