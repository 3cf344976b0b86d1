#include "Form.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

// The frame that the window manager put round a window, or none while it is
// not known: until the window manager says, Qt on X11 works it out from the
// window's place, which before the window is framed can give negative widths.
QMargins knownFrame(const QWidget *window)
{
    const QWindow *const handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    return frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0
               ? QMargins()
               : frame;
}

// The frame of the window, or else the one the window manager last put round
// another.
QMargins frameOf(const QWidget *window)
{
    static QMargins lastFrame;
    if (const QMargins frame = knownFrame(window); !frame.isNull())
        lastFrame = frame;
    return lastFrame;
}

} // namespace

CentredPlacement::CentredPlacement(QWidget *window, QWidget *over)
    : QObject(window)
    , m_window(window)
    , m_over(over)
{
    window->installEventFilter(this);
    // The window manager gives the frame in a property of the window, of which
    // Qt tells the window nothing: on a busy desktop it may come after the last
    // move or activation, so it is also looked for at times that double from
    // 50 ms, seven times over six seconds, which leaves an idle program idle
    // where no window manager frames it.
    m_frameWatch.setSingleShot(true);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        if (!lookAtFrame() && m_frameWatch.interval() < 3200)
            m_frameWatch.start(m_frameWatch.interval() * 2);
    });
}

void CentredPlacement::centre()
{
    const QWidget *const over = m_over && m_over->isVisible() ? m_over->window() : nullptr;
    const QRect area = (over ? over->screen() : m_window->screen())->availableGeometry();
    // Until the window manager has framed this window, the frame of the one
    // it belongs to is the likeliest stand-in for its own.
    if (over)
        frameOf(over);
    const QMargins frame = frameOf(m_window);
    m_guessedFrame = frame;
    // The whole window, frame included; one larger than the area keeps its
    // title bar and its left edge in view.
    QRect whole(QPoint(), m_window->size().grownBy(frame));
    whole.moveCenter(over ? over->frameGeometry().center() : area.center());
    QPoint at(qMax(whole.left(), area.left()), qMax(whole.top(), area.top()));
    // A window already made takes the place asked for as that of its inside,
    // less the frame Qt already knows of; one not yet made, as that of its frame.
    if (m_window->testAttribute(Qt::WA_WState_Created))
        at += QPoint(frame.left(), frame.top()) + m_window->pos() - m_window->geometry().topLeft();
    m_window->move(at);
    if (!std::exchange(m_centred, true))
        m_frameWatch.start(50);
}

bool CentredPlacement::lookAtFrame()
{
    if (m_framed || !m_centred || !m_window->isVisible() || knownFrame(m_window).isNull())
        return m_framed;
    m_framed = true;
    if (knownFrame(m_window) != m_guessedFrame)
        centre();
    return true;
}

bool CentredPlacement::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate)
        lookAtFrame();
    return false;
}

Form::Form(const QString &name, QSize clientSize)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_placement(new CentredPlacement(this))
    , m_client(new QWidget(this))
{
    installAccessibility();
    setObjectName(name);
    m_client->setObjectName(name + u"Client"_s);
    m_client->setFixedSize(clientSize);
    setCentralWidget(m_client);
}

QList<Form *> loadedForms()
{
    QList<Form *> loaded;
    for (QWidget *const window : QApplication::topLevelWidgets())
        if (auto *const form = qobject_cast<Form *>(window); form && !form->isUnloaded())
            loaded.append(form);
    return loaded;
}

Form *nextToUnload() { return loadedForms().value(0); }

void Form::load()
{
    Form_Load();
    // Still hidden once the event loop has run: screen readers may have looked
    // at the window while it waited (see renewAccessibleControls).
    QTimer::singleShot(0, this, [this] { m_waitedHidden = !isVisible(); });
}

void Form::Unload()
{
    if (m_state != State::Loaded)
        return;
    m_state = State::Unloading;
    Form_Unload();
    hide();
    m_state = State::Unloaded;
    emit unloaded();
    discardWindow(this);
}

void Form::setVisible(bool visible)
{
    if (visible && !m_placement->isCentred()) {
        setFixedSize(sizeHint());
        m_placement->centre();
    }
    if (visible && isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    const bool appears = visible && !isVisible();
    if (appears && std::exchange(m_waitedHidden, false))
        renewAccessibleControls(this);
    QMainWindow::setVisible(visible);
    if (appears) {
        m_announcePending = true;
        // A window the program shows takes the keyboard. A window manager
        // would mostly hand it over; without one, nothing else does.
        activateWindow();
    }
}

bool Form::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    // Once the window that just appeared is active and its focus told, which is
    // one more pass of the event loop: Orca presents a window that becomes
    // active, its title and then its focused control, and speaks over what it
    // was saying; an announcement any earlier would be cut short.
    if (event->type() == QEvent::WindowActivate && std::exchange(m_announcePending, false))
        QTimer::singleShot(0, this, [this] { announceShownRegions(this); });
    return handled;
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Unload();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QPushButton *const button = event->key() == Qt::Key_Escape ? m_cancelButton.data()
                                : enter                        ? m_defaultButton.data()
                                                               : nullptr;
    if (button && button->isEnabled()) {
        event->accept();
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

Dialog::Dialog(const QString &name, QSize size, QWidget *opener)
    : QDialog(opener, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    m_placement = new CentredPlacement(this, opener);
    installAccessibility();
    setObjectName(name);
    setFixedSize(size);
}

void Dialog::setVisible(bool visible)
{
    const bool appears = visible && !isVisible();
    const bool goes = !visible && isVisible();
    if (appears && !m_placement->isCentred())
        m_placement->centre();
    QDialog::setVisible(visible);
    if (appears)
        activateWindow();
    if (goes && parentWidget() && parentWidget()->isVisible())
        parentWidget()->activateWindow();
}

// A modal window comes back as soon as something minimises it: out of sight,
// it would leave the window it blocks on screen with no way to answer it.
void Dialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isModal() && isMinimized())
        QTimer::singleShot(0, this, [this] {
            if (isModal() && isMinimized()) {
                setWindowState(windowState() & ~Qt::WindowMinimized);
                activateWindow();
            }
        });
}

// A screen reader goes on asking about a window after it has gone from view:
// about the events that said so, which it takes in its own time, and about the
// window and its focus, until it has taken in the next window. Qt answers each
// question about a deleted object with a warning on standard error, hundreds a
// window under Orca 48. By the next discard the user has gone a step further
// at least (or the program is ending), and the screen reader has let go.
void discardWindow(QWidget *window)
{
    static QPointer<QWidget> kept;
    if (kept && kept != window)
        kept->deleteLater();
    kept = QAccessible::isActive() ? window : nullptr;
    if (!kept)
        window->deleteLater();
}

void changeScreen(std::initializer_list<QWidget *> hide, std::initializer_list<QWidget *> show)
{
    for (QWidget *window : hide)
        if (window)
            window->hide();
    for (QWidget *window : show)
        if (window)
            window->show();
}

} // namespace forms
