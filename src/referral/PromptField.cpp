#include "PromptField.h"

#include "forms/TextBoxes.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace referral {

QString TextOnEntering(const QString &text, QStringView prompt)
{
    return modTellAFriend::TrimSpaces(text) == prompt ? QString() : text;
}

QString TextOnLeaving(const QString &text, QStringView prompt)
{
    return modTellAFriend::TrimSpaces(text).isEmpty() ? prompt.toString() : text;
}

PromptField::PromptField(QWidget *field, QString prompt, Kind kind, platform::Messages &messages)
    : QObject(field)
    , m_field(field)
    , m_prompt(std::move(prompt))
    , m_kind(kind)
    , m_messages(messages)
{
    field->setAccessibleName(m_prompt);
    field->installEventFilter(this);
    if (auto *const line = qobject_cast<QLineEdit *>(field))
        connect(line, &QLineEdit::textChanged, this, &PromptField::dimWhileShowingPrompt);
    else
        connect(static_cast<forms::MultiLineTextBox *>(field), &QPlainTextEdit::textChanged, this,
                &PromptField::dimWhileShowingPrompt);
}

QString PromptField::text() const
{
    if (const auto *const line = qobject_cast<const QLineEdit *>(m_field))
        return line->text();
    return static_cast<const forms::MultiLineTextBox *>(m_field)->text();
}

void PromptField::setText(const QString &text)
{
    if (text == this->text())
        return;
    if (auto *const line = qobject_cast<QLineEdit *>(m_field))
        line->setText(text);
    else
        static_cast<forms::MultiLineTextBox *>(m_field)->setText(text);
}

// Focus that comes and goes with the whole window (another program, a message
// box) is not the user entering or leaving the field.
static bool movesWithinWindow(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

bool PromptField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesWithinWindow(static_cast<QFocusEvent *>(event)))
            GotFocus();
        break;
    case QEvent::FocusOut:
        if (movesWithinWindow(static_cast<QFocusEvent *>(event)))
            LostFocus();
        break;
    case QEvent::KeyPress:
        clearPromptOnEntering();
        return KeyPress(static_cast<QKeyEvent *>(event)->text());
    case QEvent::InputMethod:
        clearPromptOnEntering();
        break;
    default:
        break;
    }
    return false;
}

void PromptField::dimWhileShowingPrompt()
{
    const bool prompt = modTellAFriend::TrimSpaces(text()) == m_prompt;
    QPalette palette = m_field->palette();
    palette.setColor(QPalette::Text, prompt ? palette.color(QPalette::PlaceholderText)
                                            : QApplication::palette(m_field).color(QPalette::Text));
    m_field->setPalette(palette);
}

// The prompt goes once the focus has moved and screen readers were told so,
// so that they present the field the user entered rather than an edit made
// before it; and before anything typed meanwhile reaches the field.
void PromptField::GotFocus()
{
    m_entering = true;
    QMetaObject::invokeMethod(this, &PromptField::clearPromptOnEntering, Qt::QueuedConnection);
}

void PromptField::clearPromptOnEntering()
{
    if (std::exchange(m_entering, false))
        setText(TextOnEntering(text(), m_prompt));
}

void PromptField::LostFocus()
{
    m_entering = false;
    setText(TextOnLeaving(text(), m_prompt));
}

// Only spaces typed one at a time are refused; pasted text is not checked.
bool PromptField::KeyPress(const QString &typed)
{
    if (m_kind != Kind::Email || typed != u" "_s)
        return false;
    modTellAFriend::ShowRefusal(m_messages, tr("Email Address Cannot Contain Space"));
    m_field->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace referral
