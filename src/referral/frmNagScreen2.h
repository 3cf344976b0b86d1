#pragma once

#include "app/Form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace app {
class LinkLabel;
class PictureBox;
class Program;
} // namespace app

namespace referral {

class PromptField;

// The farewell window: a word of support for the vendor, a link to its other
// programs, the refer-a-friend form, and the one way out of the program.
class frmNagScreen2 final : public app::Form {
    Q_OBJECT
public:
    explicit frmNagScreen2(app::Program &program);

    static constexpr int SupportMessageCount = 4;
    static QString SupportMessage(int index);

    app::PictureBox *const Picture1;
    QLabel *const Label1;
    QLabel *const Label2;
    QCheckBox *const Check1;
    QPushButton *const cmdClose;
    QGroupBox *const Frame2;
    QLineEdit *const txtName;
    QLineEdit *const txtEmail;
    QLineEdit *const txtFriendName;
    QLineEdit *const txtFriendEmail;
    QPushButton *const cmdSubmit;
    QPlainTextEdit *const txtMessage;
    QGroupBox *const Frame6;
    QLabel *const Label3;
    app::LinkLabel *const lblGoToHome;

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void lookAndLayout();
    void layOutReferralForm();
    void layOutDownloads();

    app::Program &m_program;
    PromptField *const m_name;
    PromptField *const m_email;
    PromptField *const m_friendName;
    PromptField *const m_friendEmail;
    PromptField *const m_message;
};

} // namespace referral
