#include "PromptField.h"

#include "brand/Brand.h"
#include "forms/Look.h"
#include "forms/TextBoxes.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

using namespace Qt::Literals::StringLiterals;

namespace referral {

PromptField::PromptField(QWidget *field, modTellAFriend::Field which, forms::Messages &messages)
    : QObject(field)
    , m_field(field)
    , m_prompt(modTellAFriend::prompt(which))
    , m_email(which == modTellAFriend::Field::Email || which == modTellAFriend::Field::FriendEmail)
    , m_messages(messages)
{
    field->setAccessibleName(m_prompt);
    field->installEventFilter(this);
    if (auto *const line = qobject_cast<QLineEdit *>(field)) {
        connect(line, &QLineEdit::textChanged, this, &PromptField::dimWhileShowingPrompt);
    } else {
        auto *const box = static_cast<forms::MultiLineTextBox *>(field);
        // The mouse and what is dropped reach its viewport.
        box->viewport()->installEventFilter(this);
        connect(box, &QPlainTextEdit::textChanged, this, &PromptField::dimWhileShowingPrompt);
    }
    // A click on another control while the window is not active moves the
    // focus there once the window is active again, and the field the user
    // was in gets no focus-out of its own.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_presence != Presence::Away && now && now != m_field &&
            now->window() == m_field->window())
            lostFocus();
    });
    // Dimmed in the colours of the palette the desktop has now.
    forms::look::followPalette(field, [this] { dimWhileShowingPrompt(); });
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

bool PromptField::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        // Focus that comes back with the whole window (from another program,
        // a message box) or from a menu returns the user to where they were.
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::PopupFocusReason:
            break;
        case Qt::ActiveWindowFocusReason:
            if (m_presence == Presence::Away)
                gotFocus();
            break;
        default:
            gotFocus();
        }
        break;
    case QEvent::FocusOut:
        if (const auto reason = static_cast<QFocusEvent *>(event)->reason();
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            lostFocus();
        break;
    case QEvent::KeyPress:
        clearPromptOnEntering();
        return keyPress(static_cast<QKeyEvent *>(event)->text());
    case QEvent::MouseButtonPress:
        // A click enters the field, even before its window has the keyboard.
        if (m_presence == Presence::Away)
            m_presence = Presence::Entering;
        clearPromptOnEntering();
        break;
    case QEvent::Drop:
        // Text dropped on a field the user is not in takes its prompt's place.
        if (m_presence == Presence::Away &&
            !static_cast<QDropEvent *>(event)->mimeData()->text().isEmpty() && showsPrompt())
            setText(QString());
        clearPromptOnEntering();
        break;
    case QEvent::InputMethod:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
        clearPromptOnEntering();
        break;
    default:
        break;
    }
    return false;
}

bool PromptField::showsPrompt() const { return modTellAFriend::trimSpaces(text()) == m_prompt; }

void PromptField::dimWhileShowingPrompt()
{
    QPalette palette = m_field->palette();
    // Dimmed, yet readable on the palette's background.
    palette.setColor(QPalette::Text,
                     showsPrompt()
                         ? forms::look::readableColour(palette.color(QPalette::PlaceholderText),
                                                       palette.color(QPalette::Base),
                                                       forms::look::leastContrast(m_field->font()),
                                                       brand::ColoursChosenOn)
                         : QApplication::palette(m_field).color(QPalette::Text));
    m_field->setPalette(palette);
}

// The prompt goes once the focus has moved and screen readers were told so,
// so that they present the field the user entered rather than an edit made
// before it; and before any text reaches the field, whatever brings it: keys,
// the input method, the mouse (the middle button pastes the selection, the
// right one opens a menu that pastes), or a drop.
void PromptField::gotFocus()
{
    m_presence = Presence::Entering;
    QMetaObject::invokeMethod(this, &PromptField::clearPromptOnEntering, Qt::QueuedConnection);
}

void PromptField::clearPromptOnEntering()
{
    if (m_presence != Presence::Entering)
        return;
    m_presence = Presence::In;
    if (showsPrompt())
        setText(QString());
}

void PromptField::lostFocus()
{
    m_presence = Presence::Away;
    if (modTellAFriend::trimSpaces(text()).isEmpty())
        setText(m_prompt);
}

// Only spaces typed one at a time are refused; pasted text is not checked.
bool PromptField::keyPress(const QString &typed)
{
    if (!m_email || typed != u" "_s)
        return false;
    modTellAFriend::showRefusal(m_messages, tr("Email Address Cannot Contain Space"),
                                m_field->window());
    m_field->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace referral
