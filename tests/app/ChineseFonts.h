#pragma once

#include "ProgramRun.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextLayout>
#include <QToolTip>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// The fonts that draw a window's Chinese characters and punctuation.

// The font that draws the first Chinese character of a text, if it has one.
inline QString hanFamily(const QString &text, const QFont &font)
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
inline QStringList otherHanFonts(QWidget *window, const QString &text)
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
inline QStringList punctuationInOtherFonts(const QLabel *label)
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
