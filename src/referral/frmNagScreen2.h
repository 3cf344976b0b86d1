#pragma once

#include "forms/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace forms {
class CaptionedFrame;
class CheckBox;
class LinkLabel;
class Messages;
class MultiLineTextBox;
class Picture;
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
    // The referral record is the latest referral submitted, kept as long as
    // the program runs. The random source picks the word of support; the
    // browser opens the links and the referral; the message boxes refuse.
    frmNagScreen2(platform::Browser &browser, forms::Messages &messages,
                  platform::RandomSource &random, modTellAFriend::Referral &referral);

    static constexpr int SupportMessageCount = 4;
    static QString SupportMessage(int index);

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
    void lookAndLayout();
    void layOutReferralForm();
    void layOutDownloads();

    platform::Browser &m_browser;
    forms::Messages &m_messages;
    platform::RandomSource &m_random;
    modTellAFriend::Referral &m_referral;

    forms::Picture *const Picture1;
    QLabel *const Label1;
    QLabel *const Label2;
    forms::CheckBox *const Check1;
    QPushButton *const cmdClose;
    forms::CaptionedFrame *const Frame2;
    QLineEdit *const txtName;
    QLineEdit *const txtEmail;
    QLineEdit *const txtFriendName;
    QLineEdit *const txtFriendEmail;
    QPushButton *const cmdSubmit;
    forms::MultiLineTextBox *const txtMessage;
    forms::CaptionedFrame *const Frame6;
    QLabel *const Label3;
    forms::LinkLabel *const lblGoToHome;
    PromptField *const m_name;
    PromptField *const m_email;
    PromptField *const m_friendName;
    PromptField *const m_friendEmail;
    PromptField *const m_message;
};

} // namespace referral
