#include "ReadingWindow.h"

#include "brand/Brand.h"
#include "forms/Controls.h"
#include "forms/Menus.h"
#include "links/modHelp.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace reading {

QString ReadingWindow::businessOffer()
{
    return tr("Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website. Click here for more details.");
}

ReadingWindow::ReadingWindow(platform::Browser &browser, const Layout &own)
    : Form(own.name, own.client)
    , m_browser(browser)
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    auto *const Frame2 = new Band(u"Frame2"_s, client());
    auto *const Label61 = new LinkLabel(u"Label61"_s, Frame2);
    dressWindow(this);
    QMenuBar *const bar = newMenuBar(this);
    mnuFile = addMenu(bar, u"mnuFile"_s, tr("&File"));
    QMenu *const mnuHelp = addMenu(bar, u"mnuHelp"_s, tr("&Help"));
    QAction *const mnuOnline = addEntry(mnuHelp, u"mnuOnline"_s, tr("&Online Help"));
    QAction *const mnuVisit = addEntry(mnuHelp, u"mnuVisit"_s, tr("&Visit Us Online"));
    addSeparator(mnuHelp, own.separatorNames[0]);
    QAction *const mnuUpdate = addEntry(mnuHelp, u"mnuUpdate"_s, tr(own.updateCaption));
    addSeparator(mnuHelp, own.separatorNames[1]);
    QAction *const mnuAbout = addEntry(mnuHelp, u"mnuAbout"_s, tr("&About Software"));
    QAction *const mnuDonate = addEntry(bar, u"mnuDonate"_s, tr("&Donate"));
    QAction *const mkmoney = addEntry(bar, u"mkmoney"_s, tr("Make Money &Online"));
    setMenuBar(bar);
    // Stored switched off, and nothing switches it on.
    mkmoney->setEnabled(false);

    place(Frame2, own.Frame2);
    setBackground(Frame2, DarkBlue);
    Frame2->setAccessibleName(tr("Discussion board"));
    place(Label61, own.Label61);
    keepContentsInside(Label61);
    Label61->setText(tr("The Most Popular Online Velmora Discussion Board. Best Resource For "
                        "Everything Velmora. Visit us at %1")
                         .arg(links::modHelp::pageAddress(links::modHelp::VendorSite).host()));
    Label61->setFont(textFont(8.25, Bold | Underline));
    Label61->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label61, White);
    Label61->setAccessibleDescription(tr("Opens the vendor's web site in your browser"));

    connect(Label61, &LinkLabel::clicked, this, &ReadingWindow::Label61_Click);
    connect(mnuOnline, &QAction::triggered, this, &ReadingWindow::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &ReadingWindow::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &ReadingWindow::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &ReadingWindow::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &ReadingWindow::mnuDonate_Click);
    connect(mkmoney, &QAction::triggered, this, &ReadingWindow::mkmoney_Click);
}

void ReadingWindow::Form_Unload() { emit closing(); }

void ReadingWindow::Label61_Click() { links::modHelp::VendorHomePage(m_browser); }
void ReadingWindow::mnuOnline_Click() { links::modHelp::OnlineHelpPage(m_browser); }
void ReadingWindow::mnuVisit_Click() { links::modHelp::VendorHomePage(m_browser); }
void ReadingWindow::mnuUpdate_Click() { links::modHelp::ProductDownloadPage(m_browser); }
void ReadingWindow::mnuAbout_Click() { emit aboutRequested(); }
void ReadingWindow::mnuDonate_Click() { links::modHelp::DonatePage(m_browser); }
void ReadingWindow::mkmoney_Click() { links::modHelp::FullBrandingPage(m_browser); }

} // namespace reading
