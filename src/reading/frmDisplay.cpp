#include "frmDisplay.h"

#include "app/CloseRouting.h"
#include "app/Controls.h"
#include "app/frmStartup.h"
#include "app/Look.h"
#include "app/Menus.h"
#include "app/Program.h"
#include "app/Texts.h"
#include "frmMain.h"
#include "links/frmAbout.h"
#include "links/modHelp.h"
#include "platform/Clipboard.h"
#include "referral/frmNagScreen2.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

namespace reading {

namespace {

using app::look::Twips;

// The window's design, in twips.
namespace layout {
constexpr QSize Client = app::look::pixels(8670, 5280);
constexpr Twips Frame2{0, 0, 8655, 615};
constexpr Twips Label61{120, 120, 8400, 585};
constexpr Twips Frame1{0, 600, 8655, 3735};
constexpr Twips Frame3{120, 840, 1815, 1815};
constexpr Twips lblStick{255, 600, 1155, 630};
constexpr Twips Label2{2040, 840, 3390, 195};
constexpr Twips lblDesc{2040, 1200, 6495, 1455};
constexpr Twips Frame5{0, 4320, 8655, 975};
constexpr Twips Label1{120, 240, 5775, 735};
constexpr Twips cmdOK{6000, 280, 1260, 465};
constexpr Twips cmdExit{7320, 280, 1260, 465};
} // namespace layout

} // namespace

frmDisplay::frmDisplay(app::Program &program)
    : Form(program.forms, u"frmDisplay"_s, layout::Client)
    , Frame2(app::newFrame(u"Frame2"_s, client()))
    , Label61(new app::LinkLabel(u"Label61"_s, Frame2))
    , Frame1(new QGroupBox(u"LV Sortilo Results"_s, client()))
    , Frame3(app::newFrame(u"Frame3"_s, Frame1))
    , lblStick(new app::FittedLabel(u"lblStick"_s, Frame3))
    , Label2(app::newLabel(u"Label2"_s, Frame1))
    , lblDesc(app::newLabel(u"lblDesc"_s, Frame1))
    , Frame5(app::newFrame(u"Frame5"_s, client()))
    , Label1(new app::LinkLabel(u"Label1"_s, Frame5))
    , cmdOK(app::newButton(u"cmdOK"_s, u"&Back"_s, Frame5))
    , cmdExit(app::newButton(u"cmdExit"_s, u"&Exit"_s, Frame5))
    , menuBar(app::newMenuBar(this))
    , mnuFile(app::addMenu(menuBar, u"mnuFile"_s, u"&File"_s))
    , mnuFileBack(app::addEntry(mnuFile, u"mnuFileBack"_s, u"&Back"_s))
    , mnuExit(app::addEntry(mnuFile, u"mnuExit"_s, u"E&xit"_s))
    , mnuHelp(app::addMenu(menuBar, u"mnuHelp"_s, u"&Help"_s))
    , mnuOnline(app::addEntry(mnuHelp, u"mnuOnline"_s, u"&Online Help"_s))
    , mnuVisit(app::addEntry(mnuHelp, u"mnuVisit"_s, u"&Visit Us Online"_s))
    , mnuFileSep1(app::addSeparator(mnuHelp, u"mnuFileSep1"_s))
    , mnuUpdate(app::addEntry(mnuHelp, u"mnuUpdate"_s, u"&Check for Software Update"_s))
    , mnuFileSep2(app::addSeparator(mnuHelp, u"mnuFileSep2"_s))
    , mnuAbout(app::addEntry(mnuHelp, u"mnuAbout"_s, u"&About Software"_s))
    , mnuDonate(app::addEntry(menuBar, u"mnuDonate"_s, u"&Donate"_s))
    , mkmoney(app::addEntry(menuBar, u"mkmoney"_s, u"Make Money &Online"_s))
    , m_program(program)
{
    setMenuBar(menuBar);
    lookAndLayout();
    connectHandlers();
}

void frmDisplay::lookAndLayout()
{
    using namespace app::look;
    setBackground(client(), DarkBlue);

    place(Frame2, layout::Frame2);
    setBackground(Frame2, DarkBlue);
    Frame2->setAccessibleName(u"Discussion board"_s);
    Label61->setAccessibleDescription(u"Opens the vendor's web site in your browser"_s);
    place(Label61, layout::Label61);
    Label61->setText(app::DiscussionBoardPromotion());
    Label61->setFont(verdana(8.25, Bold | Underline));
    Label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label61, White);

    Frame1->setObjectName(u"Frame1"_s);
    place(Frame1, layout::Frame1);
    setWindowBackground(Frame1);
    Frame1->setFont(verdana(12, Bold));
    setTextColour(Frame1, DarkBlue);

    place(Frame3, layout::Frame3);
    setBackground(Frame3, DarkBlue);
    Frame3->setAccessibleName(u"Stick number"_s);
    lblStick->setFont(verdana(26.25, Bold));
    setTextColour(lblStick, White);
    place(lblStick, layout::lblStick);
    lblStick->setCentre(QRect(QPoint(), pixels(layout::Frame3).size()).center());
    lblStick->setCaption(u"100"_s);

    place(Label2, layout::Label2);
    Label2->setText(u"More About The Sortilo Number"_s);
    Label2->setFont(verdana(8.25, Bold | Underline));
    setTextColour(Label2, DarkBlue);
    Label2->adjustSize();

    place(lblDesc, layout::lblDesc);
    lblDesc->setText(u"Label2"_s);
    lblDesc->setFont(verdana(8.25, Bold));
    lblDesc->setWordWrap(true);
    lblDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(lblDesc, DarkBlue);

    place(Frame5, layout::Frame5);
    setBackground(Frame5, DarkBlue);
    Frame5->setAccessibleName(u"Business opportunity"_s);
    Label1->setAccessibleDescription(u"Opens the offer's page in your browser"_s);
    lblDesc->setAccessibleDescription(u"The fortune of the stick"_s);
    cmdOK->setAccessibleDescription(u"Back to the main window for another reading"_s);
    cmdExit->setAccessibleDescription(u"Closes the results"_s);
    place(Label1, layout::Label1);
    Label1->setText(app::BusinessOffer());
    Label1->setFont(verdana(8.25, Bold | Underline));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label1, White);

    for (QPushButton *button : {cmdOK, cmdExit}) {
        button->setFont(verdana(8.25, Bold));
        setBackground(button, ButtonGrey);
        setTextColour(button, 0x000000);
        button->setAutoFillBackground(false);
    }
    place(cmdOK, layout::cmdOK);
    place(cmdExit, layout::cmdExit);
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
    setTabOrder(cmdOK, cmdExit);
    cmdOK->setFocus();

    mkmoney->setEnabled(false);
}

void frmDisplay::connectHandlers()
{
    connect(cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    connect(Label61, &app::LinkLabel::clicked, this, &frmDisplay::Label61_Click);
    connect(Label1, &app::LinkLabel::clicked, this, &frmDisplay::Label1_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmDisplay::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmDisplay::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmDisplay::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmDisplay::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmDisplay::mnuDonate_Click);
    connect(mkmoney, &QAction::triggered, this, &frmDisplay::mkmoney_Click);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &frmDisplay::copyReading);
}

// The close routing hands over to the farewell window.
void frmDisplay::Form_Unload()
{
    app::RouteToFarewell(m_program);
}

// Back: the main window again, ready for the next reading.
void frmDisplay::cmdOK_Click()
{
    app::Program &program = m_program;
    frmMain &main = *program.frmMain;
    main.picMessage->hide();
    main.picMain->show();
    Unload();
    main.show();
    program.frmStartup->hide();
    program.frmNagScreen2->hide();
}

void frmDisplay::copyReading()
{
    m_program.services.clipboard.setText(u"Stick "_s + lblStick->text() + u": "_s +
                                         lblDesc->text());
}

void frmDisplay::mnuFileBack_Click()
{
    cmdOK_Click();
}
void frmDisplay::cmdExit_Click()
{
    Unload();
}
void frmDisplay::mnuExit_Click()
{
    Unload();
}
void frmDisplay::Label61_Click()
{
    modHelp::VendorHomePage(m_program.services.browser);
}
void frmDisplay::Label1_Click()
{
    modHelp::FullBrandingPage(m_program.services.browser);
}
void frmDisplay::mnuOnline_Click()
{
    modHelp::OnlineHelpPage(m_program.services.browser);
}
void frmDisplay::mnuVisit_Click()
{
    modHelp::VendorHomePage(m_program.services.browser);
}
void frmDisplay::mnuUpdate_Click()
{
    modHelp::ProductDownloadPage(m_program.services.browser);
}
void frmDisplay::mnuAbout_Click()
{
    m_program.frmAbout->ShowModal();
}
void frmDisplay::mnuDonate_Click()
{
    modHelp::DonatePage(m_program.services.browser);
}
void frmDisplay::mkmoney_Click()
{
    modHelp::FullBrandingPage(m_program.services.browser);
}

} // namespace reading
