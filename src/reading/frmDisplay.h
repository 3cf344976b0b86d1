#pragma once

#include "ReadingWindow.h"

class QLabel;

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
    frmDisplay(platform::Browser &browser, platform::Clipboard &clipboard);

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

    platform::Clipboard &m_clipboard;

    forms::FittedLabel *lblStick;
    QLabel *lblDesc;
};

} // namespace reading
