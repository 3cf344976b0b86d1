#include "Placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace forms {

namespace {

// The frame that the window manager put round a window. Before it has framed
// the window, the frame it last put round another stands in for it.
QMargins frameOf(const QWidget *window)
{
    static QMargins lastFrame;
    const QWindow *const handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
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
    m_centred = true;
}

bool CentredPlacement::eventFilter(QObject *, QEvent *event)
{
    if ((event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) && m_centred &&
        !m_framed && m_window->isVisible() && m_window->windowHandle() &&
        !m_window->windowHandle()->frameMargins().isNull()) {
        m_framed = true;
        if (m_window->windowHandle()->frameMargins() != m_guessedFrame)
            centre();
    }
    return false;
}

} // namespace forms
