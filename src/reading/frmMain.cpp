#include "frmMain.h"

#include "app/CloseRouting.h"
#include "app/Controls.h"
#include "app/frmStartup.h"
#include "app/Look.h"
#include "app/Menus.h"
#include "app/Program.h"
#include "app/RemindToUpdate.h"
#include "app/Texts.h"
#include "frmDisplay.h"
#include "links/frmAbout.h"
#include "links/modHelp.h"
#include "referral/frmNagScreen2.h"
#include "WaitSeconds.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace reading {

namespace {

using app::look::Twips;

// The window's design, in twips.
namespace layout {
constexpr QSize Client = app::look::pixels(6570, 4755);
constexpr Twips Frame2{20, 0, 6540, 615};
constexpr Twips Label61{0, 120, 6600, 465};
constexpr Twips Frame1{20, 600, 6540, 3255};
constexpr Twips Label1{120, 120, 6255, 615};
constexpr Twips picMessage{1598, 1200, 3375, 495};
constexpr Twips pi{120, 120, 1545, 270};
constexpr Twips shp1{1800, 240, 135, 135};
constexpr Twips shp2{2120, 240, 135, 135};
constexpr Twips shp3{2440, 240, 135, 135};
constexpr Twips shp4{2760, 240, 135, 135};
constexpr Twips picMain{2400, 840, 1980, 1470};
constexpr Twips lblCaption{240, 2400, 6075, 615};
constexpr Twips Frame5{20, 3840, 6540, 900};
constexpr Twips Label2{120, 120, 6255, 735};
} // namespace layout

} // namespace

frmMain::frmMain(app::Program &program)
    : Form(program.forms, u"frmMain"_s, layout::Client)
    , Frame2(app::newFrame(u"Frame2"_s, client()))
    , Label61(new app::LinkLabel(u"Label61"_s, Frame2))
    , Frame1(app::newFrame(u"Frame1"_s, client()))
    , Label1(app::newLabel(u"Label1"_s, Frame1))
    , picMessage(app::newFrame(u"picMessage"_s, Frame1))
    , pi(app::newLabel(u"pi"_s, picMessage))
    , shp1(new app::Shape(u"shp1"_s, app::look::DarkBlue, picMessage))
    , shp2(new app::Shape(u"shp2"_s, app::look::DarkBlue, picMessage))
    , shp3(new app::Shape(u"shp3"_s, app::look::DarkBlue, picMessage))
    , shp4(new app::Shape(u"shp4"_s, app::look::DarkBlue, picMessage))
    , picMain(new app::PictureBox(u"picMain"_s, u":/sticks.svg"_s, Frame1))
    , lblCaption(app::newLabel(u"lblCaption"_s, Frame1))
    , Frame5(app::newFrame(u"Frame5"_s, client()))
    , Label2(new app::LinkLabel(u"Label2"_s, Frame5))
    , menuBar(app::newMenuBar(this))
    , mnuFile(app::addMenu(menuBar, u"mnuFile"_s, u"&File"_s))
    , mnuExit(app::addEntry(mnuFile, u"mnuExit"_s, u"E&xit"_s))
    , mnuHelp(app::addMenu(menuBar, u"mnuHelp"_s, u"&Help"_s))
    , mnuOnline(app::addEntry(mnuHelp, u"mnuOnline"_s, u"&Online Help"_s))
    , mnuVisit(app::addEntry(mnuHelp, u"mnuVisit"_s, u"&Visit Us Online"_s))
    , mnuHelp1(app::addSeparator(mnuHelp, u"mnuHelp1"_s))
    , mnuUpdate(app::addEntry(mnuHelp, u"mnuUpdate"_s, u"Check for Software &Update"_s))
    , mnuHelp2(app::addSeparator(mnuHelp, u"mnuHelp2"_s))
    , mnuAbout(app::addEntry(mnuHelp, u"mnuAbout"_s, u"&About Software"_s))
    , mnuDonate(app::addEntry(menuBar, u"mnuDonate"_s, u"&Donate"_s))
    , mkmoney(app::addEntry(menuBar, u"mkmoney"_s, u"Make Money &Online"_s))
    , m_program(program)
{
    setMenuBar(menuBar);
    lookAndLayout();
    connectHandlers();
}

void frmMain::lookAndLayout()
{
    using namespace app::look;
    setBackground(client(), White);

    place(Frame2, layout::Frame2);
    setBackground(Frame2, DarkBlue);
    Frame2->setAccessibleName(u"Discussion board"_s);
    Label61->setAccessibleDescription(u"Opens the vendor's web site in your browser"_s);
    place(Label61, layout::Label61);
    keepContentsInside(Label61);
    Label61->setText(app::DiscussionBoardPromotion());
    Label61->setFont(verdana(8.25, Bold | Underline));
    Label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label61, White);

    place(Frame1, layout::Frame1);
    Frame1->setAccessibleName(u"Reading"_s);
    setWindowBackground(Frame1);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    place(Label1, layout::Label1);
    Label1->setText(u"LV Sortilo is an ancient method of Chinese fortune telling with bamboo "
                    u"sticks. It is also known as Kau Cim. This form of divination is a religious "
                    u"art and has proven to be very accurate."_s);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label1, Red);

    place(picMessage, layout::picMessage);
    picMessage->setAccessibleName(u"Please Wait"_s);
    setWindowBackground(picMessage);
    picMessage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picMessage->hide();
    place(pi, layout::pi);
    pi->setText(u"Please Wait"_s);
    pi->setFont(verdana(12, Bold));
    setTextColour(pi, DarkBlue);
    pi->adjustSize();
    place(shp1, layout::shp1);
    place(shp2, layout::shp2);
    place(shp3, layout::shp3);
    place(shp4, layout::shp4);

    place(picMain, layout::picMain);
    picMain->makeClickable();
    picMain->setAccessibleName(u"Bamboo fortune sticks"_s);
    picMain->setAccessibleDescription(u"Starts a reading"_s);

    place(lblCaption, layout::lblCaption);
    lblCaption->setText(u"Click On The Image To Get your Sortilo reading now!"_s);
    lblCaption->setFont(verdana(11.25, Bold));
    lblCaption->setWordWrap(true);
    lblCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(lblCaption, DarkBlue);

    place(Frame5, layout::Frame5);
    setBackground(Frame5, DarkBlue);
    Frame5->setAccessibleName(u"Business opportunity"_s);
    Label2->setAccessibleDescription(u"Opens the offer's page in your browser"_s);
    place(Label2, layout::Label2);
    Label2->setText(app::BusinessOffer());
    Label2->setFont(verdana(8.25, Bold | Underline));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label2, White);

    // Stored switched off, and nothing switches it on.
    mkmoney->setEnabled(false);
}

void frmMain::connectHandlers()
{
    connect(picMain, &app::PictureBox::clicked, this, &frmMain::picMain_Click);
    connect(Label61, &app::LinkLabel::clicked, this, &frmMain::Label61_Click);
    connect(Label2, &app::LinkLabel::clicked, this, &frmMain::Label2_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(mkmoney, &QAction::triggered, this, &frmMain::mkmoney_Click);
}

void frmMain::Form_Load()
{
    modHelp::RemindToUpdate(m_program.services);
}

// The close routing hands over to the farewell window.
void frmMain::Form_Unload()
{
    app::RouteToFarewell(m_program);
}

void frmMain::picMain_Click()
{
    if (picMain->isHidden())
        return;
    picMessage->show();
    picMain->hide();
    const QPointer<frmMain> self(this);
    WaitSeconds(3, m_program.services.clock);
    // Closed during the wait: the user has asked to leave, so the reading is
    // dropped rather than shown over the farewell window.
    if (!self || self->isUnloaded())
        return;

    app::Program &program = m_program;
    program.fortunes.DrawStick();
    frmDisplay &display = *program.frmDisplay;
    display.lblStick->setCaption(QString::number(program.fortunes.intStickNumber()));
    display.lblDesc->setText(program.fortunes.strFortuneText());
    hide();
    program.frmStartup->hide();
    program.frmNagScreen2->hide();
    display.show();
}

void frmMain::Label61_Click()
{
    modHelp::VendorHomePage(m_program.services.browser);
}
void frmMain::Label2_Click()
{
    modHelp::FullBrandingPage(m_program.services.browser);
}
void frmMain::mnuExit_Click()
{
    Unload();
}
void frmMain::mnuOnline_Click()
{
    modHelp::OnlineHelpPage(m_program.services.browser);
}
void frmMain::mnuVisit_Click()
{
    modHelp::VendorHomePage(m_program.services.browser);
}
void frmMain::mnuUpdate_Click()
{
    modHelp::ProductDownloadPage(m_program.services.browser);
}
void frmMain::mnuAbout_Click()
{
    m_program.frmAbout->ShowModal();
}
void frmMain::mnuDonate_Click()
{
    modHelp::DonatePage(m_program.services.browser);
}
void frmMain::mkmoney_Click()
{
    modHelp::FullBrandingPage(m_program.services.browser);
}

} // namespace reading
