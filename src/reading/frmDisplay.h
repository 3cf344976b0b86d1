#pragma once

#include "ReadingWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace forms {
class FittedLabel;
}
namespace platform {
class Clipboard;
}

namespace reading {

// The results window: the stick number and its fortune.
class frmDisplay final : public ReadingWindow {
    Q_OBJECT
public:
    frmDisplay(forms::FormRegistry &registry, platform::Browser &browser,
               platform::Clipboard &clipboard);

    // Writes the reading into the window, before it is shown.
    void showReading(int stick, const QString &sentence);

signals:
    // Back was chosen: the main window is to take this one's place.
    void backRequested();

private:
    void cmdOK_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void Label1_Click();
    // Ctrl+C: the reading as text, "Stick N: sentence", in the language shown.
    void copyReading();
    void lookAndLayout();

    platform::Clipboard &m_clipboard;

    QGroupBox *const Frame1;
    QFrame *const Frame3;
    forms::FittedLabel *const lblStick;
    QLabel *const Label2;
    QLabel *const lblDesc;
    QFrame *const Frame5;
    forms::LinkLabel *const Label1;
    QPushButton *const cmdOK;
    QPushButton *const cmdExit;
};

} // namespace reading
