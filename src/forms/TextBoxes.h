#pragma once

#include <QPlainTextEdit>
#include <QString>

class QLineEdit;

namespace forms {

// A single-line text box. Text beyond its greatest length is cut off, and
// only between two characters: never between the two halves of a character
// written as a surrogate pair, whose lone half would stand for nothing.
QLineEdit *newTextBox(const QString &name, QWidget *container);

// A multi-line text box that keeps exactly the text it was given, typed or
// pasted: no-break spaces stay, and every line break stays the characters it
// was (CR LF, a lone CR or LF, a paragraph or line separator). Enter and
// Shift+Enter break the line with CR LF.
class MultiLineTextBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    MultiLineTextBox(const QString &name, QWidget *container);

    QString text() const;
    void setText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QString textBetween(int from, int to) const;
};

} // namespace forms
