#pragma once

#include "forms/Form.h"

class QLabel;

namespace forms {
class FlatButton;
class LinkLabel;
class Picture;
} // namespace forms
namespace platform {
class Browser;
}

namespace links {

// The about window: the program's title, what the practice is, and two links.
// It belongs to the window it was opened from.
class frmAbout final : public forms::Dialog {
    Q_OBJECT
public:
    frmAbout(platform::Browser &browser, QWidget *opener);

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();
    void lookAndLayout();

    platform::Browser &m_browser;

    forms::Picture *const Picture1;
    forms::FlatButton *const cmdOK;
    QWidget *const Line1;
    QLabel *const Label1;
    QLabel *const Label2;
    forms::LinkLabel *const lblCobrand;
    QLabel *const Label3;
    forms::LinkLabel *const lblHomePage;
};

} // namespace links
