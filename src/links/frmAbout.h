#pragma once

#include "forms/Form.h"

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

    platform::Browser &m_browser;
};

} // namespace links
