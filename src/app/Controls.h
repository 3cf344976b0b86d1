#pragma once

#include <QLabel>
#include <QPixmap>

class QFrame;
class QPushButton;

// The few kinds of control the windows need beyond Qt's own.
namespace app {

QFrame *newFrame(const QString &name, QWidget *container);
QLabel *newLabel(const QString &name, QWidget *container);
// A push button on which Enter presses it when it has the focus.
QPushButton *newButton(const QString &name, const QString &caption, QWidget *container);

// A label that acts as a link: underlined text, the pointing-hand cursor, and a
// click that runs one link operation.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &name, QWidget *container);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A label sized to its text whose centre stays where it was put, so that a
// caption of any length sits centred on the same spot.
class FittedLabel final : public QLabel {
    Q_OBJECT
public:
    FittedLabel(const QString &name, QWidget *container);
    void setCentre(QPoint centre);
    void setCaption(const QString &caption);

private:
    QPoint m_centre;
};

// A picture, drawn from the rendition that suits the screen's scale so that it
// stays crisp. It takes the focus. Made clickable, it shows the pointing hand,
// and Enter or Space presses it as a click does.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    // The picture is one of the program's pictures, by name: "sticks", "icon".
    PictureBox(const QString &name, const QString &picture, QWidget *container);
    void makeClickable();
    // A thin border round the picture, inside the box.
    void setFramed(bool framed);
    bool isClickable() const { return m_clickable; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QPixmap &rendition();

    const QString m_picture;
    QPixmap m_rendition;
    bool m_clickable = false;
    bool m_framed = false;
    bool m_pressed = false;
};

// Screen readers learn that link labels and a clickable picture act when
// pressed, and can press them, and that the program's windows are windows.
void installAccessibility();

// A filled circle.
class Shape final : public QWidget {
    Q_OBJECT
public:
    Shape(const QString &name, QRgb colour, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace app
