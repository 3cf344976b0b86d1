#include "Placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace forms {

namespace {

// The frame that the window manager put round a window, or else the one it last
// put round another.
QMargins frameOf(const QWidget *window)
{
    static QMargins lastFrame;
    const QWindow *const handle = window->windowHandle();
    if (handle && !handle->frameMargins().isNull())
        lastFrame = handle->frameMargins();
    return lastFrame;
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
