#include "Controls.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace app {

namespace {

bool isPrimaryRelease(const QMouseEvent *event, const QWidget *widget) {
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

} // namespace

QFrame *newFrame(const QString &name, QWidget *container) {
    auto *const frame = new QFrame(container);
    frame->setObjectName(name);
    return frame;
}

QLabel *newLabel(const QString &name, QWidget *container) {
    auto *const label = new QLabel(container);
    label->setObjectName(name);
    return label;
}

QPushButton *newButton(const QString &name, const QString &caption, QWidget *container) {
    auto *const button = new QPushButton(caption, container);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

LinkLabel::LinkLabel(const QString &name, QWidget *container)
    : QLabel(container) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_pressed && isPrimaryRelease(event, this);
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

FittedLabel::FittedLabel(const QString &name, QWidget *container)
    : QLabel(container) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void FittedLabel::setCentre(QPoint centre) {
    m_centre = centre;
    setCaption(text());
}

void FittedLabel::setCaption(const QString &caption) {
    setText(caption);
    resize(sizeHint());
    QRect area = geometry();
    area.moveCenter(m_centre);
    move(area.topLeft());
}

PictureBox::PictureBox(const QString &name, const QString &resource, QWidget *container)
    : QWidget(container)
    , m_renderer(new QSvgRenderer(resource, this)) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::makeClickable() {
    m_clickable = true;
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_clickable && m_pressed && isPrimaryRelease(event, this);
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent *event) {
    if (!m_clickable) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

Shape::Shape(const QString &name, QRgb colour, QWidget *container)
    : QWidget(container)
    , m_colour(colour) {
    setObjectName(name);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace app
