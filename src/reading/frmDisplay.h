#pragma once

#include "ReadingWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace app {
class FittedLabel;
}

namespace reading {

// The results window: the stick number and its fortune.
class frmDisplay final : public ReadingWindow {
    Q_OBJECT
public:
    explicit frmDisplay(app::Program &program);

    QGroupBox *const Frame1;
    QFrame *const Frame3;
    app::FittedLabel *const lblStick;
    QLabel *const Label2;
    QLabel *const lblDesc;
    QFrame *const Frame5;
    app::LinkLabel *const Label1;
    QPushButton *const cmdOK;
    QPushButton *const cmdExit;

    QAction *const mnuFileBack;
    QAction *const mnuExit;

    void cmdOK_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void Label1_Click();
    // Ctrl+C: the reading as text, "Stick N: sentence".
    void copyReading();

private:
    void lookAndLayout();
};

} // namespace reading
