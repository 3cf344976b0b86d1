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

using modTellAFriend::Field;

QString vendorHost() { return links::modHelp::pageAddress(links::modHelp::VendorSite).host(); }

} // namespace

frmNagScreen2::frmNagScreen2(platform::Browser &browser, forms::Messages &messages,
                             platform::RandomSource &random, modTellAFriend::Referral &referral)
    : Form(u"frmNagScreen2"_s, forms::look::pixels(11115, 4725))
    , m_browser(browser)
    , m_messages(messages)
    , m_random(random)
    , m_referral(referral)
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    dressWindow(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setBackground(client(), White);

    auto *const Picture1 = new Picture(u"Picture1"_s, picture(u"icon"), client());
    place(Picture1, {360, 120, 540, 540});
    setSystemColours(Picture1);
    Picture1->setBackgroundRole(QPalette::Window);
    Picture1->setAutoFillBackground(true);
    Picture1->setAccessibleName(MessageTitle.toString());

    QLabel *const Label1 = newLabel(u"Label1"_s, client());
    place(Label1, {1080, 240, 3240, 435});
    Label1->setText(WindowTitle.toString());
    Label1->setFont(dialogFont(18));
    // The white area keeps the black text it was made with, whatever the palette.
    setTextColour(Label1, Black);

    Label2 = newLabel(u"Label2"_s, client());
    place(Label2, {120, 840, 6975, 1095});
    // The word of support is what the window is for.
    announceWhenShown(Label2);
    Label2->setFont(textFont(9.75, Bold));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(Label2, White);
    setTextColour(Label2, Black);

    Check1 = new CheckBox(u"Check1"_s, client());
    place(Check1, {30, 2040, 7185, 555});
    Check1->setText(tr("Visit %1 now!").arg(vendorHost()));
    Check1->setFont(textFont(14.25));
    setTextColour(Check1, LinkBlue);
    // Its box stays as white as the area around it: on a dark palette's dark
    // box, the empty box would read as ticked.
    QPalette whiteBox = Check1->palette();
    whiteBox.setColor(QPalette::Base, QColor(White));
    Check1->setPalette(whiteBox);
    Check1->setCursor(Qt::PointingHandCursor);
    Check1->setAccessibleDescription(tr("Opens the vendor's web site in your browser"));

    QPushButton *const cmdClose = newButton(u"cmdClose"_s, tr("E&xit"), client());
    place(cmdClose, {6000, 2760, 1245, 375});
    cmdClose->setFont(dialogFont(8.25));
    // Its face takes the white of the area it stands in.
    setTextColour(cmdClose, Black);
    cmdClose->setAccessibleDescription(tr("Ends LV Sortilo"));

    layOutReferralForm();
    layOutDownloads();

    QWidget *const tabOrder[] = {cmdClose, Check1,         Picture1,      txtName,   cmdSubmit,
                                 txtEmail, txtFriendEmail, txtFriendName, txtMessage};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    cmdClose->setFocus();

    connect(Check1, &CheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
}

void frmNagScreen2::layOutReferralForm()
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    auto *const Frame2 = new CaptionedFrame(u"Frame2"_s, tr("Refer A Friend"), client());
    place(Frame2, {120, 3240, 7065, 1455});
    Frame2->setFont(textFont(9.75, Bold));
    setBackground(Frame2, Navy);
    setTextColour(Frame2, White);

    txtName = newTextBox(u"txtName"_s, Frame2);
    txtEmail = newTextBox(u"txtEmail"_s, Frame2);
    txtFriendName = newTextBox(u"txtFriendName"_s, Frame2);
    txtFriendEmail = newTextBox(u"txtFriendEmail"_s, Frame2);
    cmdSubmit = newButton(u"cmdSubmit"_s, tr("Refer A Friend &Now"), Frame2);
    txtMessage = new MultiLineTextBox(u"txtMessage"_s, Frame2);
    // Made before the fields take their colours, so that on a change of the
    // palette the fields take the new colours first, then the prompts are dimmed.
    m_name = new PromptField(txtName, Field::Name, m_messages);
    m_email = new PromptField(txtEmail, Field::Email, m_messages);
    m_friendName = new PromptField(txtFriendName, Field::FriendName, m_messages);
    m_friendEmail = new PromptField(txtFriendEmail, Field::FriendEmail, m_messages);
    m_message = new PromptField(txtMessage, Field::Message, m_messages);
    const std::pair<QWidget *, Twips> fields[] = {
        {txtName, {85, 360, 3375, 285}},
        {txtEmail, {3600, 360, 3375, 285}},
        {txtFriendName, {85, 720, 3375, 285}},
        {txtFriendEmail, {3600, 720, 3375, 285}},
        // Below the visible part of its frame, yet a live field of the form.
        {txtMessage, {4800, 3600, 1815, 495}},
    };
    for (const auto &[field, where] : fields) {
        place(field, where);
        field->setFont(dialogFont(8.25));
        setSystemColours(field);
    }
    m_name->setText(modTellAFriend::prompt(Field::Name));
    m_email->setText(modTellAFriend::prompt(Field::Email));
    m_friendName->setText(modTellAFriend::prompt(Field::FriendName));
    m_friendEmail->setText(modTellAFriend::prompt(Field::FriendEmail));
    m_message->setText(modTellAFriend::prompt(Field::Message) + u"\r\n"_s);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);

    place(cmdSubmit, {1920, 1080, 3375, 285});
    cmdSubmit->setFont(textFont(8.25, Bold));
    setSystemColours(cmdSubmit);
    cmdSubmit->setAccessibleDescription(tr("Opens the referral in your browser"));
}

void frmNagScreen2::layOutDownloads()
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    auto *const Frame6 =
        new CaptionedFrame(u"Frame6"_s, tr("Download Velmora Softwares"), client());
    place(Frame6, {7320, 120, 3735, 4575});
    Frame6->setFont(textFont(9.75, Bold));
    setBackground(Frame6, Navy);
    setTextColour(Frame6, White);

    QLabel *const Label3 = newLabel(u"Label3"_s, Frame6);
    place(Label3, {120, 360, 3495, 3855});
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

    auto *const lblGoToHome = new LinkLabel(u"lblGoToHome"_s, Frame6);
    place(lblGoToHome, {75, 4250, 3585, 210});
    lblGoToHome->setText(tr("Click Here To Visit Velmora Softwares"));
    lblGoToHome->setFont(textFont(9, Bold | Underline));
    lblGoToHome->setWordWrap(false);
    setTextColour(lblGoToHome, Yellow);
    fitToWidth(lblGoToHome);
    fitLineHeight(lblGoToHome);
    lblGoToHome->setAccessibleDescription(tr("Opens the vendor's programs in your browser"));
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::Form_Load()
{
    static const char *const supportMessages[SupportMessageCount] = {
        QT_TR_NOOP("Programs like this one live on their users' support. The best support for "
                   "Velmora Softwares is to visit its discussion board at %1 regularly and take "
                   "part in its discussions and other activities."),
        QT_TR_NOOP("Please visit %1 regularly and take part in its discussions and activities. "
                   "These programs cannot be maintained unless you visit %1. Thank you for "
                   "visiting %1!"),
        QT_TR_NOOP("Our site %1 is a free online discussion forum for all things Velmora. To help "
                   "Velmora Softwares develop and maintain this program, please visit %1 "
                   "regularly."),
        QT_TR_NOOP("Our site %1 needs your help! Visit it regularly and take part in its "
                   "discussions and activities, so that we can maintain and develop more "
                   "programs like this one. Visit %1 today."),
    };
    m_random.seedFromClock();
    const int pick = int(std::floor(double(m_random.next()) * SupportMessageCount));
    Label2->setText(
        tr(supportMessages[qBound(0, pick, SupportMessageCount - 1)]).arg(vendorHost()));
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
    if (const auto problem = modTellAFriend::emailAddressProblem(referral)) {
        modTellAFriend::showRefusal(m_messages, *problem, this);
        return;
    }
    modTellAFriend::SubmitReferral(referral, m_messages, m_browser, this);
}

} // namespace referral
