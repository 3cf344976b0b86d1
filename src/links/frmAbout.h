#pragma once

#include "app/Form.h"

class QLabel;
class QPushButton;

namespace app {
class LinkLabel;
class PictureBox;
class Program;
} // namespace app

namespace links {

// The about window: the program's title, what the practice is, and two links.
class frmAbout final : public app::Form {
    Q_OBJECT
public:
    explicit frmAbout(app::Program &program);

    app::PictureBox *const Picture1;
    QPushButton *const cmdOK;
    QWidget *const Line1;
    QLabel *const Label1;
    QLabel *const Label2;
    app::LinkLabel *const lblCobrand;
    QLabel *const Label3;
    app::LinkLabel *const lblHomePage;

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

private:
    void lookAndLayout();

    app::Program &m_program;
};

} // namespace links
