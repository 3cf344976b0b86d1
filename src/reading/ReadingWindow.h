#pragma once

#include "forms/Form.h"
#include "forms/Look.h"

class QMenu;

namespace platform {
class Browser;
}

namespace reading {

// What the main and the results window have in common: the menu bar, whose
// Help menu and top-level entries open the vendor's pages and the about window,
// the top band that promotes the discussion board, and the close routing.
class ReadingWindow : public forms::Form {
    Q_OBJECT
public:
    struct Layout {
        QString name;
        QSize client;
        forms::look::Twips Frame2;
        forms::look::Twips Label61;
        QString separatorNames[2];
        // Each window has its own caption of the update entry, marked with
        // QT_TRANSLATE_NOOP in the context "reading::ReadingWindow".
        const char *updateCaption;
    };

signals:
    // "About Software" was chosen.
    void aboutRequested();
    // The window is being unloaded.
    void closing();

protected:
    ReadingWindow(platform::Browser &browser, const Layout &own);

    static QString businessOffer();
    void Form_Unload() override;

    QMenu *mnuFile = nullptr;
    platform::Browser &m_browser;

private:
    void Label61_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();
};

} // namespace reading
