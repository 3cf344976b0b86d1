#include "Controls.h"

#include "Form.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace app {

namespace {

bool isPrimaryRelease(const QMouseEvent *event, const QWidget *widget)
{
    return event->button() == Qt::LeftButton &&
           widget->rect().contains(event->position().toPoint());
}

// What a screen reader sees of a control that acts when pressed.
class PressableAccessible final : public QAccessibleWidget {
public:
    PressableAccessible(QWidget *control, QAccessible::Role role, std::function<void()> press)
        : QAccessibleWidget(control, role)
        , m_press(std::move(press))
    {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        // Later, from the event loop: a press may start a reading, whose wait
        // must not keep the screen reader waiting for an answer.
        if (action == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), m_press, Qt::QueuedConnection);
    }
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            if (const auto *const label = qobject_cast<const QLabel *>(widget()))
                text = label->text();
        return text;
    }

private:
    std::function<void()> m_press;
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == "app::LinkLabel"_L1) {
        auto *const label = static_cast<LinkLabel *>(object);
        return new PressableAccessible(label, QAccessible::Link,
                                       [label] { emit label->clicked(); });
    }
    if (className == "app::PictureBox"_L1) {
        auto *const picture = static_cast<PictureBox *>(object);
        if (picture->isClickable())
            return new PressableAccessible(picture, QAccessible::Button,
                                           [picture] { emit picture->clicked(); });
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    // Every window of the program is announced as a window, with its title.
    if (className == "app::Form"_L1)
        return new QAccessibleWidget(static_cast<Form *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

QFrame *newFrame(const QString &name, QWidget *container)
{
    auto *const frame = new QFrame(container);
    frame->setObjectName(name);
    return frame;
}

QLabel *newLabel(const QString &name, QWidget *container)
{
    auto *const label = new QLabel(container);
    label->setObjectName(name);
    return label;
}

QPushButton *newButton(const QString &name, const QString &caption, QWidget *container)
{
    auto *const button = new QPushButton(caption, container);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

LinkLabel::LinkLabel(const QString &name, QWidget *container)
    : QLabel(container)
{
    installAccessibility();
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && isPrimaryRelease(event, this);
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

FittedLabel::FittedLabel(const QString &name, QWidget *container)
    : QLabel(container)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void FittedLabel::setCentre(QPoint centre)
{
    m_centre = centre;
    setCaption(text());
}

void FittedLabel::setCaption(const QString &caption)
{
    setText(caption);
    resize(sizeHint());
    QRect area = geometry();
    area.moveCenter(m_centre);
    move(area.topLeft());
}

PictureBox::PictureBox(const QString &name, const QString &picture, QWidget *container)
    : QWidget(container)
    , m_picture(picture)
{
    installAccessibility();
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

// The smallest rendition, of one to four times the picture's size, that
// covers the screen's scale.
const QPixmap &PictureBox::rendition()
{
    const int scale = qBound(1, qCeil(devicePixelRatioF()), 4);
    if (m_rendition.isNull() || qRound(m_rendition.devicePixelRatio()) != scale) {
        m_rendition.load(u":/pictures/%1@%2x.png"_s.arg(m_picture).arg(scale));
        m_rendition.setDevicePixelRatio(scale);
    }
    return m_rendition;
}

void PictureBox::setFramed(bool framed)
{
    m_framed = framed;
    update();
}

void PictureBox::makeClickable()
{
    m_clickable = true;
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF room = rect();
    if (m_framed) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        room.adjust(1, 1, -1, -1);
    }
    // At the picture's own size where there is room for it, else scaled down
    // to fit.
    const QPixmap &pixmap = rendition();
    QSizeF size = pixmap.deviceIndependentSize();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room.size(), Qt::KeepAspectRatio);
    QRectF picture(QPointF(), size);
    picture.moveCenter(room.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(picture, pixmap, pixmap.rect());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_clickable && m_pressed && isPrimaryRelease(event, this);
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
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
    , m_colour(colour)
{
    setObjectName(name);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace app
