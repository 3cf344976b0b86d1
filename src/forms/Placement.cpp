#include "Placement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace forms {

namespace {

// The frame that the window manager put round a window, or none while it is
// not known. Until the window manager has said, Qt on X11 works the frame out
// from the window's place, which before the window is framed can give a frame
// of negative width.
QMargins knownFrame(const QWidget *window)
{
    const QWindow *const handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    return frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0
               ? QMargins()
               : frame;
}

// The frame of the window, or, before it is known, the frame the window
// manager last put round another, which stands in for it.
QMargins frameOf(const QWidget *window)
{
    static QMargins lastFrame;
    const QMargins frame = knownFrame(window);
    if (!frame.isNull())
        lastFrame = frame;
    return frame.isNull() ? lastFrame : frame;
}

// Moves a window so that the whole of it, frame included, is centred on
// `centre` within `area`; a window larger than the area keeps its title bar
// and its left edge in view. Returns the frame it counted on.
QMargins centreWhole(QWidget *window, QPoint centre, const QRect &area)
{
    const QMargins frame = frameOf(window);
    QRect whole(QPoint(), window->size().grownBy(frame));
    whole.moveCenter(centre);
    QPoint at(qMax(whole.left(), area.left()), qMax(whole.top(), area.top()));
    // A window already made takes the place asked for as that of its inside,
    // less the frame Qt already knows of; one not yet made, as that of its frame.
    if (window->testAttribute(Qt::WA_WState_Created))
        at += QPoint(frame.left(), frame.top()) - (window->geometry().topLeft() - window->pos());
    window->move(at);
    return frame;
}

} // namespace

CentredPlacement::CentredPlacement(QWidget *window, QWidget *over)
    : QObject(window)
    , m_window(window)
    , m_over(over)
{
    window->installEventFilter(this);
    // The window manager gives the frame in a property of the window, and Qt
    // tells the window nothing of it: on a busy desktop it may come after the
    // last move or activation. So it is looked for a few times a second too,
    // for ten seconds at most: a busy desktop may take a while.
    m_frameWatch.setInterval(50);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        if (lookAtFrame() || ++m_looks > 200)
            m_frameWatch.stop();
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
    m_guessedFrame =
        centreWhole(m_window, over ? over->frameGeometry().center() : area.center(), area);
    if (!std::exchange(m_centred, true))
        m_frameWatch.start();
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

} // namespace forms
