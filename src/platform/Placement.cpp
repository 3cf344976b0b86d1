#include "Placement.h"

#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

QMargins &lastFrame()
{
    static QMargins frame;
    return frame;
}

} // namespace

QMargins frameOf(const QWidget *window)
{
    const QWindow *const handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (!frame.isNull())
        lastFrame() = frame;
    return frame.isNull() ? lastFrame() : frame;
}

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

} // namespace platform
