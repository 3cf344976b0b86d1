#pragma once

#include "app/Form.h"
#include "app/Look.h"

class QAction;
class QFrame;
class QMenu;
class QMenuBar;

namespace app {
class LinkLabel;
class Program;
} // namespace app

namespace reading {

// What the main and the results window have in common: the menu bar, whose
// Help menu and top-level entries open the vendor's pages and the about window,
// the top band that promotes the discussion board, and the close routing.
class ReadingWindow : public app::Form {
    Q_OBJECT
public:
    struct Design {
        QString name;
        QSize client;
        app::look::Twips Frame2;
        app::look::Twips Label61;
        QString separatorNames[2];
        QString updateCaption;
    };

    QFrame *const Frame2;
    app::LinkLabel *const Label61;

    QMenuBar *const menuBar;
    QMenu *const mnuFile;
    QMenu *const mnuHelp;
    QAction *const mnuOnline;
    QAction *const mnuVisit;
    QAction *const helpSeparator1;
    QAction *const mnuUpdate;
    QAction *const helpSeparator2;
    QAction *const mnuAbout;
    QAction *const mnuDonate;
    QAction *const mkmoney;

    void Label61_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();

protected:
    ReadingWindow(app::Program &program, const Design &design);

    // The close routing hands over to the farewell window.
    void Form_Unload() override;

    app::Program &m_program;
};

} // namespace reading
