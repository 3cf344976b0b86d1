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

const ReadingWindow::Layout Window{
    u"frmDisplay"_s,
    forms::look::pixels(8670, 5280),
    {0, 0, 8655, 615},
    {120, 120, 8400, 585},
    {u"mnuFileSep1"_s, u"mnuFileSep2"_s},
    QT_TRANSLATE_NOOP("reading::ReadingWindow", "&Check for Software Update")};

} // namespace

frmDisplay::frmDisplay(platform::Browser &browser, platform::Clipboard &clipboard)
    : ReadingWindow(browser, Window)
    , m_clipboard(clipboard)
{
    using namespace forms;
    using namespace forms::look;
    using namespace brand;
    QAction *const mnuFileBack = addEntry(mnuFile, u"mnuFileBack"_s, tr("&Back"));
    QAction *const mnuExit = addEntry(mnuFile, u"mnuExit"_s, tr("E&xit"));
    setBackground(client(), DarkBlue);

    auto *const Frame1 = new CaptionedFrame(u"Frame1"_s, tr("LV Sortilo Results"), client());
    announceWhenShown(Frame1);
    place(Frame1, {0, 600, 8655, 3735});
    setWindowBackground(Frame1);
    Frame1->setFont(textFont(12, Bold));
    setReadableTextColour(Frame1, DarkBlue, ColoursChosenOn);

    auto *const Frame3 = new Band(u"Frame3"_s, Frame1);
    place(Frame3, {120, 840, 1815, 1815});
    setBackground(Frame3, DarkBlue);
    Frame3->setAccessibleName(tr("Stick number"));
    lblStick = new FittedLabel(u"lblStick"_s, Frame3);
    lblStick->setFont(textFont(26.25, Bold));
    setTextColour(lblStick, White);
    place(lblStick, {255, 600, 1155, 630});
    lblStick->setCentre(Frame3->rect().center());
    lblStick->setCaption(u"100"_s);

    QLabel *const Label2 = newLabel(u"Label2"_s, Frame1);
    place(Label2, {2040, 840, 3390, 195});
    Label2->setText(tr("More About The Sortilo Number"));
    Label2->setFont(textFont(8.25, Bold | Underline));
    setReadableTextColour(Label2, DarkBlue, ColoursChosenOn);
    Label2->adjustSize();

    lblDesc = newLabel(u"lblDesc"_s, Frame1);
    place(lblDesc, {2040, 1200, 6495, 1455});
    lblDesc->setText(u"Label2"_s);
    lblDesc->setFont(textFont(8.25, Bold));
    lblDesc->setWordWrap(true);
    lblDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setReadableTextColour(lblDesc, DarkBlue, ColoursChosenOn);
    lblDesc->setAccessibleDescription(tr("The fortune of the stick"));

    // Unnamed, unlike the main window's: it holds Back and Exit, and a screen
    // reader would name the offer before the button that has the focus.
    auto *const Frame5 = new Band(u"Frame5"_s, client());
    place(Frame5, {0, 4320, 8655, 975});
    setBackground(Frame5, DarkBlue);
    auto *const Label1 = new LinkLabel(u"Label1"_s, Frame5);
    place(Label1, {120, 240, 5775, 735});
    Label1->setText(businessOffer());
    Label1->setFont(textFont(8.25, Bold | Underline));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label1, White);
    Label1->setAccessibleDescription(tr("Opens the offer's page in your browser"));

    auto *const cmdOK = new FlatButton(u"cmdOK"_s, tr("&Back"), Frame5);
    auto *const cmdExit = new FlatButton(u"cmdExit"_s, tr("&Exit"), Frame5);
    place(cmdOK, {6000, 280, 1260, 465});
    place(cmdExit, {7320, 280, 1260, 465});
    for (QPushButton *button : {cmdOK, cmdExit}) {
        button->setFont(textFont(8.25, Bold));
        setBackground(button, ButtonGrey);
        setTextColour(button, Black);
    }
    cmdOK->setAccessibleDescription(tr("Back to the main window for another reading"));
    cmdExit->setAccessibleDescription(tr("Closes the results"));
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
    setTabOrder(cmdOK, cmdExit);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
    connect(Label1, &LinkLabel::clicked, this, &frmDisplay::Label1_Click);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &frmDisplay::copyReading);
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
