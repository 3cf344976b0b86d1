#include "ReadingWindow.h"

#include "app/CloseRouting.h"
#include "app/Controls.h"
#include "app/Menus.h"
#include "app/Program.h"
#include "app/Texts.h"
#include "links/frmAbout.h"
#include "links/modHelp.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace reading {

ReadingWindow::ReadingWindow(app::Program &program, const Design &design)
    : Form(program.forms, design.name, design.client)
    , Frame2(app::newFrame(u"Frame2"_s, client()))
    , Label61(new app::LinkLabel(u"Label61"_s, Frame2))
    , menuBar(app::newMenuBar(this))
    , mnuFile(app::addMenu(menuBar, u"mnuFile"_s, u"&File"_s))
    , mnuHelp(app::addMenu(menuBar, u"mnuHelp"_s, u"&Help"_s))
    , mnuOnline(app::addEntry(mnuHelp, u"mnuOnline"_s, u"&Online Help"_s))
    , mnuVisit(app::addEntry(mnuHelp, u"mnuVisit"_s, u"&Visit Us Online"_s))
    , helpSeparator1(app::addSeparator(mnuHelp, design.separatorNames[0]))
    , mnuUpdate(app::addEntry(mnuHelp, u"mnuUpdate"_s, design.updateCaption))
    , helpSeparator2(app::addSeparator(mnuHelp, design.separatorNames[1]))
    , mnuAbout(app::addEntry(mnuHelp, u"mnuAbout"_s, u"&About Software"_s))
    , mnuDonate(app::addEntry(menuBar, u"mnuDonate"_s, u"&Donate"_s))
    , mkmoney(app::addEntry(menuBar, u"mkmoney"_s, u"Make Money &Online"_s))
    , m_program(program)
{
    using namespace app::look;
    setMenuBar(menuBar);
    // Stored switched off, and nothing switches it on.
    mkmoney->setEnabled(false);

    place(Frame2, design.Frame2);
    setBackground(Frame2, DarkBlue);
    Frame2->setAccessibleName(u"Discussion board"_s);
    place(Label61, design.Label61);
    keepContentsInside(Label61);
    Label61->setText(app::DiscussionBoardPromotion());
    Label61->setFont(verdana(8.25, Bold | Underline));
    Label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label61, White);
    Label61->setAccessibleDescription(u"Opens the vendor's web site in your browser"_s);

    connect(Label61, &app::LinkLabel::clicked, this, &ReadingWindow::Label61_Click);
    connect(mnuOnline, &QAction::triggered, this, &ReadingWindow::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &ReadingWindow::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &ReadingWindow::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &ReadingWindow::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &ReadingWindow::mnuDonate_Click);
    connect(mkmoney, &QAction::triggered, this, &ReadingWindow::mkmoney_Click);
}

void ReadingWindow::Form_Unload() { app::RouteToFarewell(m_program); }

void ReadingWindow::Label61_Click() { modHelp::VendorHomePage(m_program.services.browser); }
void ReadingWindow::mnuOnline_Click() { modHelp::OnlineHelpPage(m_program.services.browser); }
void ReadingWindow::mnuVisit_Click() { modHelp::VendorHomePage(m_program.services.browser); }
void ReadingWindow::mnuUpdate_Click() { modHelp::ProductDownloadPage(m_program.services.browser); }
void ReadingWindow::mnuAbout_Click() { m_program.frmAbout->ShowModal(); }
void ReadingWindow::mnuDonate_Click() { modHelp::DonatePage(m_program.services.browser); }
void ReadingWindow::mkmoney_Click() { modHelp::FullBrandingPage(m_program.services.browser); }

} // namespace reading
