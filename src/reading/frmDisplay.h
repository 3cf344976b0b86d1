#pragma once

#include "app/Form.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace app {
class FittedLabel;
class LinkLabel;
class Program;
} // namespace app

namespace reading {

// The results window: the stick number and its fortune.
class frmDisplay final : public app::Form {
    Q_OBJECT
public:
    explicit frmDisplay(app::Program &program);

    QFrame *const Frame2;
    app::LinkLabel *const Label61;
    QGroupBox *const Frame1;
    QFrame *const Frame3;
    app::FittedLabel *const lblStick;
    QLabel *const Label2;
    QLabel *const lblDesc;
    QFrame *const Frame5;
    app::LinkLabel *const Label1;
    QPushButton *const cmdOK;
    QPushButton *const cmdExit;

    QMenuBar *const menuBar;
    QMenu *const mnuFile;
    QAction *const mnuFileBack;
    QAction *const mnuExit;
    QMenu *const mnuHelp;
    QAction *const mnuOnline;
    QAction *const mnuVisit;
    QAction *const mnuFileSep1;
    QAction *const mnuUpdate;
    QAction *const mnuFileSep2;
    QAction *const mnuAbout;
    QAction *const mnuDonate;
    QAction *const mkmoney;

    void cmdOK_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void Label61_Click();
    void Label1_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();
    // Ctrl+C: the reading as text, "Stick N: sentence".
    void copyReading();

protected:
    void Form_Unload() override;

private:
    void lookAndLayout();
    void connectHandlers();

    app::Program &m_program;
};

} // namespace reading
