#pragma once

#include "ReadingWindow.h"

class QLabel;

namespace forms {
class Band;
class PictureButton;
class Shape;
} // namespace forms
namespace platform {
class Clock;
}
namespace reading::modFortunrCookies {
class FortuneCookies;
}

namespace reading {

// The main window, where every reading starts.
class frmMain final : public ReadingWindow {
    Q_OBJECT
public:
    frmMain(platform::Browser &browser, const platform::Clock &clock,
            modFortunrCookies::FortuneCookies &fortunes);

    // Ready for the next reading: the picture again, in place of the panel.
    void makeReady();

signals:
    // The window has loaded: the update reminder is due.
    void updateCheckDue();
    // A stick was drawn after the wait: the results are to be shown.
    void readingDrawn(int stick, const QString &sentence);

protected:
    void Form_Load() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void picMain_Click();
    void Label2_Click();
    void mnuExit_Click();
    void sizeWaitCaption();

    const platform::Clock &m_clock;
    modFortunrCookies::FortuneCookies &m_fortunes;
    bool m_waitCaptionSized = false;

    forms::Band *picMessage;
    QLabel *pi;
    forms::Shape *shp[4];
    forms::PictureButton *picMain;
};

} // namespace reading
