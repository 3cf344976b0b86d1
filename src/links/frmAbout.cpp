#include "frmAbout.h"

#include "brand/Brand.h"
#include "forms/Controls.h"
#include "forms/Look.h"
#include "modHelp.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace links {

frmAbout::frmAbout(platform::Browser &browser, QWidget *opener)
    : Dialog(u"frmAbout"_s, forms::look::pixels(6825, 3675), opener)
    , m_browser(browser)
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    auto *const Picture1 = new Picture(u"Picture1"_s, picture(u"icon"), this);
    auto *const cmdOK = new FlatButton(u"cmdOK"_s, tr("&OK"), this);
    auto *const Line1 = new QWidget(this);
    QLabel *const Label1 = newLabel(u"Label1"_s, this);
    QLabel *const Label2 = newLabel(u"Label2"_s, this);
    auto *const lblCobrand = new LinkLabel(u"lblCobrand"_s, this);
    QLabel *const Label3 = newLabel(u"Label3"_s, this);
    auto *const lblHomePage = new LinkLabel(u"lblHomePage"_s, this);
    dressWindow(this);
    setBackground(this, DarkBlue);
    for (QWidget *label :
         std::initializer_list<QWidget *>{Label1, Label2, Label3, lblCobrand, lblHomePage})
        setTextColour(label, White);

    place(Picture1, {120, 120, 480, 480});
    Picture1->setAccessibleName(MessageTitle.toString());
    lblHomePage->setAccessibleDescription(tr("Opens the vendor's web site in your browser"));
    lblCobrand->setAccessibleDescription(tr("Opens the offer's page in your browser"));
    cmdOK->setAccessibleDescription(tr("Closes this window"));

    place(cmdOK, {5520, 3240, 1260, 345});
    cmdOK->setFont(textFont(8.25, Bold));
    setBackground(cmdOK, ButtonGrey);
    setTextColour(cmdOK, Black);
    // Enter presses OK wherever the focus is; Esc closes the window as OK does.
    cmdOK->setDefault(true);

    Line1->setObjectName(u"Line1"_s);
    // A white rule 2 pixels wide from (-60, 3150) to (6840, 3150).
    place(Line1, {-60, 3150 - 15, 6900, 30});
    setBackground(Line1, White);

    place(Label1, {840, 720, 5775, 795});
    Label1->setText(
        tr("LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is "
           "also known as Kau Cim. This form of divination with sticks is a religious art and has "
           "proven to be very accurate."));
    Label1->setFont(textFont(8.25, ChineseFirst));
    Label1->setWordWrap(true);

    place(Label2, {960, 120, 2130, 240});
    Label2->setText(WindowTitle.toString());
    Label2->setFont(textFont(9.75, Bold));

    place(lblCobrand, {4200, 2760, 2355, 195});
    lblCobrand->setText(tr("Click here for more details."));
    lblCobrand->setFont(textFont(8.25, Underline));
    lblCobrand->setWordWrap(false);
    fitLineHeight(lblCobrand);

    place(Label3, {840, 2160, 5775, 675});
    Label3->setText(tr("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website."));
    Label3->setFont(textFont(8.25, Bold));
    Label3->setWordWrap(true);

    place(lblHomePage, {2520, 1800, 4050, 195});
    lblHomePage->setText(tr("Click here to visit %1").arg(modHelp::VendorSite));
    lblHomePage->setFont(textFont(8.25, Underline));
    lblHomePage->setWordWrap(false);
    fitLineHeight(lblHomePage);

    // Only the button and the picture take the focus; the button has it first.
    setTabOrder(cmdOK, Picture1);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
}

void frmAbout::cmdOK_Click() { accept(); }
void frmAbout::lblHomePage_Click() { modHelp::VendorHomePage(m_browser); }
void frmAbout::lblCobrand_Click() { modHelp::FullBrandingPage(m_browser); }

} // namespace links
