#include "MessageBoxes.h"

#include "Form.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

// A lone carriage return separates lines in the program's texts; Qt's labels
// break lines only at a line feed.
QString displayText(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

// A box at least as wide as its title bar needs. Qt leaves room for the title
// and 50 pixels more, which a window manager's icon and three buttons outgrow:
// a short message under the program's short title would have it cut. The title
// is drawn about as large as the text, bold; each button about a line high and wide.
void keepTitleInView(QMessageBox &box)
{
    auto *const grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int needed = metrics.horizontalAdvance(box.windowTitle()) + 5 * metrics.height();
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// Qt places a box before it has taken its final size, which leaves it off the
// middle: it is centred again as it is shown, at its final size.
class CentredBox final : public QMessageBox {
public:
    CentredBox(Icon icon, const QString &title, const QString &text, StandardButtons buttons,
               QWidget *opener)
        : QMessageBox(icon, title, text, buttons)
        , m_placement(new CentredPlacement(this, opener))
    {}

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        m_placement->centre();
    }

private:
    CentredPlacement *const m_placement;
};

} // namespace

Answer MessageBoxes::ask(const Message &message)
{
    const bool yesNo = message.buttons == Message::Buttons::YesNo;
    const QPointer<QWidget> opener = message.owner;
    auto *const box = new CentredBox(
        message.icon == Message::Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
        message.title, displayText(message.text),
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, opener);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    keepTitleInView(*box);
    // In front of the window it speaks to, and of every other: a box that waits
    // for an answer must never open behind a window that stays on top.
    if (opener) {
        box->winId();
        opener->winId();
        box->windowHandle()->setTransientParent(opener->windowHandle());
    }
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box->exec();
    discardWindow(box);
    // The keyboard goes back to the window the box spoke to, which a window
    // manager would see to; without one, nothing else does.
    if (opener && opener->isVisible())
        opener->activateWindow();
    return !yesNo ? Answer::Ok : answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace forms
