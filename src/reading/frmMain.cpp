#include "frmMain.h"

#include "brand/Brand.h"
#include "forms/Accessibility.h"
#include "forms/Controls.h"
#include "forms/Menus.h"
#include "links/modHelp.h"
#include "modFortunrCookies.h"
#include "WaitSeconds.h"

#include <QAction>
#include <QMenu>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace reading {

namespace {

using forms::look::Twips;

const ReadingWindow::Layout Window{
    u"frmMain"_s,
    forms::look::pixels(6570, 4755),
    {20, 0, 6540, 615},
    {0, 120, 6600, 465},
    {u"mnuHelp1"_s, u"mnuHelp2"_s},
    QT_TRANSLATE_NOOP("reading::ReadingWindow", "Check for Software &Update")};
// The Please Wait caption and its dots, shp1 to shp4, which sizeWaitCaption() moves.
namespace layout {
constexpr Twips pi{120, 120, 1545, 270};
constexpr Twips shp[] = {
    {1800, 240, 135, 135}, {2120, 240, 135, 135}, {2440, 240, 135, 135}, {2760, 240, 135, 135}};
} // namespace layout

} // namespace

frmMain::frmMain(platform::Browser &browser, const platform::Clock &clock,
                 modFortunrCookies::FortuneCookies &fortunes)
    : ReadingWindow(browser, Window)
    , m_clock(clock)
    , m_fortunes(fortunes)
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    QAction *const mnuExit = addEntry(mnuFile, u"mnuExit"_s, tr("E&xit"));
    setBackground(client(), White);

    auto *const Frame1 = new Band(u"Frame1"_s, client());
    place(Frame1, {20, 600, 6540, 3255});
    Frame1->setAccessibleName(tr("Reading"));
    setWindowBackground(Frame1);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QLabel *const Label1 = newLabel(u"Label1"_s, Frame1);
    place(Label1, {120, 120, 6255, 615});
    Label1->setText(
        tr("LV Sortilo is an ancient method of Chinese fortune telling with bamboo sticks. It is "
           "also known as Kau Cim. This form of divination is a religious art and has proven to "
           "be very accurate."));
    Label1->setFont(textFont(8.25, ChineseFirst));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setReadableTextColour(Label1, Red, ColoursChosenOn);

    picMessage = new Band(u"picMessage"_s, Frame1);
    place(picMessage, {1598, 1200, 3375, 495});
    announceWhenShown(picMessage);
    picMessage->setAccessibleName(tr("Please Wait"));
    setWindowBackground(picMessage);
    picMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
    setTextColour(picMessage, Grey);
    pi = newLabel(u"pi"_s, picMessage);
    place(pi, layout::pi);
    pi->setText(tr("Please Wait"));
    pi->setFont(textFont(12, Bold));
    setReadableTextColour(pi, DarkBlue, ColoursChosenOn);
    // The dots go with the caption, in its colour on any palette.
    for (int i = 0; i < 4; ++i) {
        shp[i] = new Shape(u"shp%1"_s.arg(i + 1), picMessage);
        place(shp[i], layout::shp[i]);
        setReadableTextColour(shp[i], DarkBlue, ColoursChosenOn);
    }
    picMessage->hide();

    picMain = new PictureButton(u"picMain"_s, picture(u"sticks"), Frame1);
    place(picMain, {2400, 840, 1980, 1470});
    picMain->setAccessibleName(tr("Bamboo fortune sticks"));
    picMain->setAccessibleDescription(tr("Starts a reading"));

    QLabel *const lblCaption = newLabel(u"lblCaption"_s, Frame1);
    place(lblCaption, {240, 2400, 6075, 615});
    lblCaption->setText(tr("Click On The Image To Get your Sortilo reading now!"));
    lblCaption->setFont(textFont(11.25, Bold));
    lblCaption->setWordWrap(true);
    lblCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setReadableTextColour(lblCaption, DarkBlue, ColoursChosenOn);

    auto *const Frame5 = new Band(u"Frame5"_s, client());
    place(Frame5, {20, 3840, 6540, 900});
    setBackground(Frame5, DarkBlue);
    Frame5->setAccessibleName(tr("Business opportunity"));
    auto *const Label2 = new LinkLabel(u"Label2"_s, Frame5);
    place(Label2, {120, 120, 6255, 735});
    Label2->setText(businessOffer());
    Label2->setFont(textFont(8.25, Bold | Underline));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label2, White);
    Label2->setAccessibleDescription(tr("Opens the offer's page in your browser"));

    connect(picMain, &PictureButton::clicked, this, &frmMain::picMain_Click);
    connect(Label2, &LinkLabel::clicked, this, &frmMain::Label2_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
}

void frmMain::Form_Load() { emit updateCheckDue(); }

void frmMain::picMain_Click()
{
    if (picMain->isHidden())
        return;
    sizeWaitCaption();
    picMessage->show();
    picMain->hide();
    const QPointer<frmMain> self(this);
    WaitSeconds(3, m_clock);
    // Closed during the wait: the user has asked to leave, so the reading is
    // dropped rather than shown over the farewell window.
    if (!self || self->isUnloaded())
        return;
    m_fortunes.DrawStick();
    emit readingDrawn(m_fortunes.intStickNumber(), m_fortunes.strFortuneText());
}

// The Please Wait caption is sized to its text once the window has first been
// drawn, so that measuring it, which loads a font that the window does not
// show at start, does not hold up the window's first appearance.
void frmMain::showEvent(QShowEvent *event)
{
    ReadingWindow::showEvent(event);
    if (!m_waitCaptionSized && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // An exposed window is drawn as the event is handled; what is queued now
    // comes after.
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &frmMain::sizeWaitCaption, Qt::QueuedConnection);
    }
    return ReadingWindow::eventFilter(watched, event);
}

void frmMain::sizeWaitCaption()
{
    m_waitCaptionSized = true;
    pi->adjustSize();
    // The dots follow the caption by the gap its place leaves after it: a
    // caption narrower than its place ("請稍候") takes them along, rather than
    // leave a gap between them.
    const int room = qMax(0, forms::look::pixels(layout::pi).right() - pi->geometry().right());
    for (int i = 0; i < 4; ++i)
        shp[i]->move(forms::look::pixels(layout::shp[i]).topLeft() - QPoint(room, 0));
}

void frmMain::makeReady()
{
    picMessage->hide();
    picMain->show();
}

void frmMain::Label2_Click() { links::modHelp::FullBrandingPage(m_browser); }
void frmMain::mnuExit_Click() { Unload(); }

} // namespace reading
