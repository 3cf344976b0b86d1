#pragma once

#include "modTellAFriend.h"

#include <QObject>
#include <QString>

namespace forms {
class Messages;
}

namespace referral {

// A text field of the referral form that shows its prompt while it is empty.
// An e-mail field also refuses a typed space, with a message.
//
// The prompt is the field's real text, not a Qt placeholder: the form's checks
// read it back, a prompt typed in by the user counts as empty, and the message
// field starts with a text that only looks like its prompt.
class PromptField final : public QObject {
    Q_OBJECT
public:
    // Works on a QLineEdit or a forms::MultiLineTextBox, which it watches and
    // parents to.
    PromptField(QWidget *field, modTellAFriend::Field which, forms::Messages &messages);

    QString text() const;
    void setText(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool showsPrompt() const;
    // A prompt is shown dimmed, so that an empty form does not look filled in.
    void dimWhileShowingPrompt();
    void gotFocus();
    void clearPromptOnEntering();
    void lostFocus();
    bool keyPress(const QString &typed);

    QWidget *const m_field;
    const QString m_prompt;
    const bool m_email;
    forms::Messages &m_messages;
    // Whether the user is in the field: Entering until its prompt is cleared.
    enum class Presence { Away, Entering, In };
    Presence m_presence = Presence::Away;
};

} // namespace referral
