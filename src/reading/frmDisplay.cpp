#include "frmDisplay.h"

#include "brand/Brand.h"
#include "forms/Accessibility.h"
#include "forms/Controls.h"
#include "forms/Look.h"
#include "forms/Menus.h"
#include "links/modHelp.h"
#include "platform/Platform.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

namespace reading {

namespace {

using forms::look::Twips;

namespace layout {
const ReadingWindow::Design Window{
    u"frmDisplay"_s,
    forms::look::pixels(8670, 5280),
    {0, 0, 8655, 615},
    {120, 120, 8400, 585},
    {u"mnuFileSep1"_s, u"mnuFileSep2"_s},
    QT_TRANSLATE_NOOP("reading::ReadingWindow", "&Check for Software Update")};
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

frmDisplay::frmDisplay(platform::Browser &browser, platform::Clipboard &clipboard)
    : ReadingWindow(browser, layout::Window)
    , m_clipboard(clipboard)
    , Frame1(new forms::CaptionedFrame(u"Frame1"_s, tr("LV Sortilo Results"), client()))
    , Frame3(new forms::Band(u"Frame3"_s, Frame1))
    , lblStick(new forms::FittedLabel(u"lblStick"_s, Frame3))
    , Label2(forms::newLabel(u"Label2"_s, Frame1))
    , lblDesc(forms::newLabel(u"lblDesc"_s, Frame1))
    , Frame5(new forms::Band(u"Frame5"_s, client()))
    , Label1(new forms::LinkLabel(u"Label1"_s, Frame5))
    , cmdOK(new forms::FlatButton(u"cmdOK"_s, tr("&Back"), Frame5))
    , cmdExit(new forms::FlatButton(u"cmdExit"_s, tr("&Exit"), Frame5))
{
    QAction *const mnuFileBack = forms::addEntry(mnuFile, u"mnuFileBack"_s, tr("&Back"));
    QAction *const mnuExit = forms::addEntry(mnuFile, u"mnuExit"_s, tr("E&xit"));
    lookAndLayout();
    connect(cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    connect(Label1, &forms::LinkLabel::clicked, this, &frmDisplay::Label1_Click);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &frmDisplay::copyReading);
}

void frmDisplay::lookAndLayout()
{
    using namespace forms::look;
    using namespace brand;
    setBackground(client(), DarkBlue);

    forms::announceWhenShown(Frame1);
    place(Frame1, layout::Frame1);
    setWindowBackground(Frame1);
    Frame1->setFont(textFont(12, Bold));
    setReadableTextColour(Frame1, DarkBlue, ColoursChosenOn);

    place(Frame3, layout::Frame3);
    setBackground(Frame3, DarkBlue);
    Frame3->setAccessibleName(tr("Stick number"));
    lblStick->setFont(textFont(26.25, Bold));
    setTextColour(lblStick, White);
    place(lblStick, layout::lblStick);
    lblStick->setCentre(QRect(QPoint(), pixels(layout::Frame3).size()).center());
    lblStick->setCaption(u"100"_s);

    place(Label2, layout::Label2);
    Label2->setText(tr("More About The Sortilo Number"));
    Label2->setFont(textFont(8.25, Bold | Underline));
    setReadableTextColour(Label2, DarkBlue, ColoursChosenOn);
    Label2->adjustSize();

    place(lblDesc, layout::lblDesc);
    lblDesc->setText(u"Label2"_s);
    lblDesc->setFont(textFont(8.25, Bold));
    lblDesc->setWordWrap(true);
    lblDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setReadableTextColour(lblDesc, DarkBlue, ColoursChosenOn);

    place(Frame5, layout::Frame5);
    setBackground(Frame5, DarkBlue);
    // Unnamed, unlike the main window's: it holds Back and Exit, and a screen
    // reader would name the offer before the button that has the focus.
    Label1->setAccessibleDescription(tr("Opens the offer's page in your browser"));
    lblDesc->setAccessibleDescription(tr("The fortune of the stick"));
    cmdOK->setAccessibleDescription(tr("Back to the main window for another reading"));
    cmdExit->setAccessibleDescription(tr("Closes the results"));
    place(Label1, layout::Label1);
    Label1->setText(BusinessOffer());
    Label1->setFont(textFont(8.25, Bold | Underline));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label1, White);

    for (QPushButton *button : {cmdOK, cmdExit}) {
        button->setFont(textFont(8.25, Bold));
        setBackground(button, ButtonGrey);
        setTextColour(button, Black);
    }
    place(cmdOK, layout::cmdOK);
    place(cmdExit, layout::cmdExit);
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
    setTabOrder(cmdOK, cmdExit);
    cmdOK->setFocus();
}

void frmDisplay::showReading(int stick, const QString &sentence)
{
    lblStick->setCaption(QString::number(stick));
    lblDesc->setText(sentence);
    // Dense Chinese characters smudge at the size an English sentence reads
    // well at; every sentence still fits its box on one line.
    static const QRegularExpression han(u"\\p{Han}"_s);
    lblDesc->setFont(brand::textFont(sentence.contains(han) ? 10.5 : 8.25, brand::Bold));
}

// Back: the main window again, ready for the next reading.
void frmDisplay::cmdOK_Click() { emit backRequested(); }

void frmDisplay::copyReading()
{
    m_clipboard.setText(tr("Stick %1: %2").arg(lblStick->text(), lblDesc->text()));
}

void frmDisplay::mnuFileBack_Click() { cmdOK_Click(); }
void frmDisplay::cmdExit_Click() { Unload(); }
void frmDisplay::mnuExit_Click() { Unload(); }
void frmDisplay::Label1_Click() { links::modHelp::FullBrandingPage(m_browser); }

} // namespace reading
