#include "TextBoxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextBlock>
#include <QValidator>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

// Qt cuts text that overflows a line edit after as many code units as there is
// room for, which may part a surrogate pair; the first half is taken back.
class WholeCharacters final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &text, int &cursor) const override
    {
        const bool full = text.size() >= static_cast<const QLineEdit *>(parent())->maxLength();
        if (full && cursor > 0 && text[cursor - 1].isHighSurrogate() &&
            (cursor == text.size() || !text[cursor].isLowSurrogate())) {
            text.remove(cursor - 1, 1);
            --cursor;
        }
        return Acceptable;
    }
};

// A text document starts a new block at each line break, and keeps no trace of
// which characters made it; each block after the first keeps them in its
// format. A block without them follows a line break typed with Enter.
constexpr int LineBreakProperty = QTextFormat::UserProperty + 1;

// The number of code units of the line break that starts at `at`, or 0: the
// characters at which QTextCursor::insertText starts a new block.
qsizetype lineBreakAt(QStringView text, qsizetype at)
{
    switch (text[at].unicode()) {
    case u'\r':
        return at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
    case u'\n':
    case QChar::ParagraphSeparator:
    case 0xFDD0: // the beginning and end of a frame
    case 0xFDD1:
        return 1;
    default:
        return 0;
    }
}

void insertExactly(QTextCursor &cursor, QStringView text)
{
    qsizetype lineStart = 0;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype lineBreak = lineBreakAt(text, at);
        if (lineBreak == 0) {
            ++at;
            continue;
        }
        cursor.insertText(text.sliced(lineStart, at - lineStart).toString());
        QTextBlockFormat format = cursor.blockFormat();
        format.setProperty(LineBreakProperty, text.sliced(at, lineBreak).toString());
        cursor.insertBlock(format);
        at += lineBreak;
        lineStart = at;
    }
    cursor.insertText(text.sliced(lineStart).toString());
}

QString lineBreakBefore(const QTextBlock &block)
{
    const QVariant lineBreak = block.blockFormat().property(LineBreakProperty);
    return lineBreak.isValid() ? lineBreak.toString() : u"\r\n"_s;
}

} // namespace

QLineEdit *newTextBox(const QString &name, QWidget *container)
{
    auto *const box = new QLineEdit(container);
    box->setObjectName(name);
    box->setValidator(new WholeCharacters(box));
    return box;
}

MultiLineTextBox::MultiLineTextBox(const QString &name, QWidget *container)
    : QPlainTextEdit(container)
{
    setObjectName(name);
}

QString MultiLineTextBox::text() const { return textBetween(0, document()->characterCount() - 1); }

void MultiLineTextBox::setText(const QString &text)
{
    setPlainText(QString());
    QTextCursor cursor(document());
    insertExactly(cursor, text);
    document()->clearUndoRedoStacks();
}

// The text between two positions of the document, each line break as it came.
QString MultiLineTextBox::textBetween(int from, int to) const
{
    QString text;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const int start = block.position();
        if (start > from)
            text += lineBreakBefore(block);
        const int first = qMax(from, start) - start;
        const int end = qMin(to, start + block.length() - 1) - start;
        if (end > first)
            text += block.text().mid(first, end - first);
    }
    return text;
}

void MultiLineTextBox::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly() || !(event->matches(QKeySequence::InsertParagraphSeparator) ||
                          event->matches(QKeySequence::InsertLineSeparator))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    QTextBlockFormat format = cursor.blockFormat();
    format.clearProperty(LineBreakProperty);
    cursor.insertBlock(format);
    setTextCursor(cursor);
    ensureCursorVisible();
    event->accept();
}

// Copied or dragged text leaves as it is, to come back as it was.
QMimeData *MultiLineTextBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *const data = new QMimeData;
    data->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

// Pasted, dropped or middle-clicked text.
void MultiLineTextBox::insertFromMimeData(const QMimeData *source)
{
    const QString text = source ? source->text() : QString();
    if (isReadOnly() || text.isNull())
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    insertExactly(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace forms
