#pragma once

#include "forms/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace forms {
class CheckBox;
class Messages;
class MultiLineTextBox;
} // namespace forms
namespace referral::modTellAFriend {
struct Referral;
}
namespace platform {
class Browser;
class RandomSource;
} // namespace platform

namespace referral {

class PromptField;

// The farewell window: a word of support for the vendor, a link to its other
// programs, the refer-a-friend form, and the one way out of the program.
class frmNagScreen2 final : public forms::Form {
    Q_OBJECT
public:
    frmNagScreen2(platform::Browser &browser, forms::Messages &messages,
                  platform::RandomSource &random, modTellAFriend::Referral &referral);

    static constexpr int SupportMessageCount = 4;

signals:
    // Exit, or any unload of this window: the whole program is to end.
    void endRequested();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();
    void layOutReferralForm();
    void layOutDownloads();

    platform::Browser &m_browser;
    forms::Messages &m_messages;
    platform::RandomSource &m_random;
    modTellAFriend::Referral &m_referral;

    QLabel *Label2;
    forms::CheckBox *Check1;
    QLineEdit *txtName;
    QLineEdit *txtEmail;
    QLineEdit *txtFriendName;
    QLineEdit *txtFriendEmail;
    QPushButton *cmdSubmit;
    forms::MultiLineTextBox *txtMessage;
    PromptField *m_name;
    PromptField *m_email;
    PromptField *m_friendName;
    PromptField *m_friendEmail;
    PromptField *m_message;
};

} // namespace referral
