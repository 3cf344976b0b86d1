#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// The frame that the window manager put round a window. Before it has framed
// the window, the frame it last put round another stands in for it.
QMargins frameOf(const QWidget *window);

// Moves a window so that the whole of it, frame and title bar included, is
// centred on `centre` within `area`; a window larger than the area keeps its
// title bar and its left edge in view. Returns the frame it counted on.
QMargins centreWhole(QWidget *window, QPoint centre, const QRect &area);

} // namespace platform
