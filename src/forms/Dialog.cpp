#include "Dialog.h"

#include "Accessibility.h"
#include "Placement.h"

#include <QEvent>

namespace forms {

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
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isModal() && isMinimized()) {
                    setWindowState(windowState() & ~Qt::WindowMinimized);
                    activateWindow();
                }
            },
            Qt::QueuedConnection);
}

} // namespace forms
