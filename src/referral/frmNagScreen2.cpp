#include "frmNagScreen2.h"

#include "brand/Brand.h"
#include "forms/Accessibility.h"
#include "forms/Controls.h"
#include "forms/Look.h"
#include "forms/TextBoxes.h"
#include "links/modHelp.h"
#include "modTellAFriend.h"
#include "platform/Platform.h"
#include "PromptField.h"

#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace referral {

namespace {

using forms::look::Twips;

namespace layout {
constexpr QSize Client = forms::look::pixels(11115, 4725);
constexpr Twips Picture1{360, 120, 540, 540};
constexpr Twips Label1{1080, 240, 3240, 435};
constexpr Twips Label2{120, 840, 6975, 1095};
constexpr Twips Check1{30, 2040, 7185, 555};
constexpr Twips cmdClose{6000, 2760, 1245, 375};
constexpr Twips Frame2{120, 3240, 7065, 1455};
constexpr Twips txtName{85, 360, 3375, 285};
constexpr Twips txtEmail{3600, 360, 3375, 285};
constexpr Twips txtFriendName{85, 720, 3375, 285};
constexpr Twips txtFriendEmail{3600, 720, 3375, 285};
constexpr Twips cmdSubmit{1920, 1080, 3375, 285};
// Below the visible part of its frame, yet a live field of the form.
constexpr Twips txtMessage{4800, 3600, 1815, 495};
constexpr Twips Frame6{7320, 120, 3735, 4575};
constexpr Twips Label3{120, 360, 3495, 3855};
constexpr Twips lblGoToHome{75, 4250, 3585, 210};
} // namespace layout

QString vendorHost() { return links::modHelp::PageAddress(links::modHelp::VendorSite).host(); }

} // namespace

frmNagScreen2::frmNagScreen2(platform::Browser &browser, forms::Messages &messages,
                             platform::RandomSource &random, modTellAFriend::Referral &referral)
    : Form(u"frmNagScreen2"_s, layout::Client)
    , m_browser(browser)
    , m_messages(messages)
    , m_random(random)
    , m_referral(referral)
    , Picture1(new forms::Picture(u"Picture1"_s, brand::picture(u"icon"), client()))
    , Label1(forms::newLabel(u"Label1"_s, client()))
    , Label2(forms::newLabel(u"Label2"_s, client()))
    , Check1(new forms::CheckBox(u"Check1"_s, client()))
    , cmdClose(forms::newButton(u"cmdClose"_s, tr("E&xit"), client()))
    , Frame2(new forms::CaptionedFrame(u"Frame2"_s, tr("Refer A Friend"), client()))
    , txtName(forms::newTextBox(u"txtName"_s, Frame2))
    , txtEmail(forms::newTextBox(u"txtEmail"_s, Frame2))
    , txtFriendName(forms::newTextBox(u"txtFriendName"_s, Frame2))
    , txtFriendEmail(forms::newTextBox(u"txtFriendEmail"_s, Frame2))
    , cmdSubmit(forms::newButton(u"cmdSubmit"_s, tr("Refer A Friend &Now"), Frame2))
    , txtMessage(new forms::MultiLineTextBox(u"txtMessage"_s, Frame2))
    , Frame6(new forms::CaptionedFrame(u"Frame6"_s, tr("Download Velmora Softwares"), client()))
    , Label3(forms::newLabel(u"Label3"_s, Frame6))
    , lblGoToHome(new forms::LinkLabel(u"lblGoToHome"_s, Frame6))
    , m_name(new PromptField(txtName, modTellAFriend::namePrompt(), PromptField::Kind::Plain,
                             messages))
    , m_email(new PromptField(txtEmail, modTellAFriend::emailPrompt(), PromptField::Kind::Email,
                              messages))
    , m_friendName(new PromptField(txtFriendName, modTellAFriend::friendNamePrompt(),
                                   PromptField::Kind::Plain, messages))
    , m_friendEmail(new PromptField(txtFriendEmail, modTellAFriend::friendEmailPrompt(),
                                    PromptField::Kind::Email, messages))
    , m_message(new PromptField(txtMessage, modTellAFriend::messagePrompt(),
                                PromptField::Kind::Plain, messages))
{
    brand::dressWindow(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    lookAndLayout();
    connect(Check1, &forms::CheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(lblGoToHome, &forms::LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
}

void frmNagScreen2::lookAndLayout()
{
    using namespace forms::look;
    using namespace brand;
    setBackground(client(), White);

    place(Picture1, layout::Picture1);
    setSystemColours(Picture1);
    Picture1->setBackgroundRole(QPalette::Window);
    Picture1->setAutoFillBackground(true);
    Picture1->setAccessibleName(u"LV Sortilo"_s);
    Check1->setAccessibleDescription(tr("Opens the vendor's web site in your browser"));
    lblGoToHome->setAccessibleDescription(tr("Opens the vendor's programs in your browser"));
    cmdClose->setAccessibleDescription(tr("Ends LV Sortilo"));
    cmdSubmit->setAccessibleDescription(tr("Opens the referral in your browser"));

    place(Label1, layout::Label1);
    Label1->setText(WindowTitle.toString());
    Label1->setFont(dialogFont(18));
    // The white area keeps the black text it was made with, whatever the palette.
    setTextColour(Label1, Black);

    place(Label2, layout::Label2);
    // The word of support is what the window is for.
    forms::announceWhenShown(Label2);
    Label2->setFont(textFont(9.75, Bold));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(Label2, White);
    setTextColour(Label2, Black);

    place(Check1, layout::Check1);
    Check1->setText(tr("Visit %1 now!").arg(vendorHost()));
    Check1->setFont(textFont(14.25));
    setTextColour(Check1, LinkBlue);
    // Its box stays as white as the area around it: on a dark palette's dark
    // box, the empty box would read as ticked.
    QPalette whiteBox = Check1->palette();
    whiteBox.setColor(QPalette::Base, QColor(White));
    Check1->setPalette(whiteBox);
    Check1->setCursor(Qt::PointingHandCursor);

    place(cmdClose, layout::cmdClose);
    cmdClose->setFont(dialogFont(8.25));
    // Its face takes the white of the area it stands in.
    setTextColour(cmdClose, Black);

    layOutReferralForm();
    layOutDownloads();

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, Picture1);
    setTabOrder(Picture1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    cmdClose->setFocus();
}

void frmNagScreen2::layOutReferralForm()
{
    using namespace forms::look;
    using namespace brand;
    place(Frame2, layout::Frame2);
    Frame2->setFont(textFont(9.75, Bold));
    setBackground(Frame2, Navy);
    setTextColour(Frame2, White);

    const std::pair<QWidget *, Twips> fields[] = {
        {txtName, layout::txtName},
        {txtEmail, layout::txtEmail},
        {txtFriendName, layout::txtFriendName},
        {txtFriendEmail, layout::txtFriendEmail},
        {txtMessage, layout::txtMessage},
    };
    for (const auto &[field, where] : fields) {
        place(field, where);
        field->setFont(dialogFont(8.25));
        setSystemColours(field);
    }
    m_name->setText(modTellAFriend::namePrompt());
    m_email->setText(modTellAFriend::emailPrompt());
    m_friendName->setText(modTellAFriend::friendNamePrompt());
    m_friendEmail->setText(modTellAFriend::friendEmailPrompt());
    m_message->setText(modTellAFriend::messagePrompt() + u"\r\n"_s);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);

    place(cmdSubmit, layout::cmdSubmit);
    cmdSubmit->setFont(textFont(8.25, Bold));
    setSystemColours(cmdSubmit);
}

void frmNagScreen2::layOutDownloads()
{
    using namespace forms::look;
    using namespace brand;
    place(Frame6, layout::Frame6);
    Frame6->setFont(textFont(9.75, Bold));
    setBackground(Frame6, Navy);
    setTextColour(Frame6, White);

    place(Label3, layout::Label3);
    Label3->setText(
        tr("Velmora Softwares makes a whole family of free programs like this one: astrology, "
           "psychic, tarot, numerology and occult programs for your desktop. They are simple, easy "
           "and fun to use, and full of information about the arts they cover. Download them, try "
           "them out and discover what they can tell you about yourself, your future and the "
           "people around you. If you enjoy them, share the experience with your friends and "
           "family and invite them to try the programs too."));
    Label3->setFont(textFont(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    place(lblGoToHome, layout::lblGoToHome);
    lblGoToHome->setText(tr("Click Here To Visit Velmora Softwares"));
    lblGoToHome->setFont(textFont(9, Bold | Underline));
    lblGoToHome->setWordWrap(false);
    setTextColour(lblGoToHome, Yellow);
    fitToWidth(lblGoToHome);
    fitLineHeight(lblGoToHome);
}

QString frmNagScreen2::SupportMessage(int index)
{
    const QString site = vendorHost();
    switch (index) {
    case 0:
        return tr("Programs like this one live on their users' support. The best support for "
                  "Velmora Softwares is to visit its discussion board at %1 regularly and take "
                  "part in its discussions and other activities.")
            .arg(site);
    case 1:
        return tr("Please visit %1 regularly and take part in its discussions and activities. "
                  "These programs cannot be maintained unless you visit %1. Thank you for "
                  "visiting %1!")
            .arg(site);
    case 2:
        return tr("Our site %1 is a free online discussion forum for all things Velmora. To help "
                  "Velmora Softwares develop and maintain this program, please visit %1 "
                  "regularly.")
            .arg(site);
    default:
        return tr("Our site %1 needs your help! Visit it regularly and take part in its "
                  "discussions and activities, so that we can maintain and develop more programs "
                  "like this one. Visit %1 today.")
            .arg(site);
    }
}

void frmNagScreen2::Form_Load()
{
    m_random.seedFromClock();
    const int pick = int(std::floor(double(m_random.next()) * SupportMessageCount));
    Label2->setText(SupportMessage(qBound(0, pick, SupportMessageCount - 1)));
}

void frmNagScreen2::Form_Unload() { emit endRequested(); }

// The box acts as a link: it opens the vendor's site and never stays ticked.
void frmNagScreen2::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    links::modHelp::VendorHomePage(m_browser);
}

void frmNagScreen2::lblGoToHome_Click() { links::modHelp::SoftwareDownloadsPage(m_browser); }

void frmNagScreen2::cmdClose_Click() { emit endRequested(); }

void frmNagScreen2::cmdSubmit_Click()
{
    modTellAFriend::Referral &referral = m_referral;
    referral.name = modTellAFriend::trimSpaces(m_name->text());
    referral.email = modTellAFriend::trimSpaces(m_email->text());
    referral.message = modTellAFriend::trimSpaces(m_message->text());
    referral.friendName = modTellAFriend::trimSpaces(m_friendName->text());
    referral.friendEmail = modTellAFriend::trimSpaces(m_friendEmail->text());
    if (const auto problem = modTellAFriend::EmailAddressProblem(referral)) {
        modTellAFriend::showRefusal(m_messages, *problem, this);
        return;
    }
    modTellAFriend::SubmitReferral(referral, m_messages, m_browser, this);
}

} // namespace referral
