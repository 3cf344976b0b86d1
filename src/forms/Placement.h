#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>

class QWidget;

namespace forms {

// Keeps a window in the middle of the window it belongs to, or of the screen,
// frame and title bar included. Until the window manager has framed it, the
// frame it last put round another stands in; should the real one turn out
// otherwise, the window is centred again before the user can have moved it.
class CentredPlacement final : public QObject {
public:
    // Over `over`, or the screen where it is null or hidden.
    explicit CentredPlacement(QWidget *window, QWidget *over = nullptr);

    // Centres the window now: as it is about to appear.
    void centre();
    bool isCentred() const { return m_centred; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *const m_window;
    const QPointer<QWidget> m_over;
    QMargins m_guessedFrame;
    bool m_centred = false;
    bool m_framed = false;
};

} // namespace forms
