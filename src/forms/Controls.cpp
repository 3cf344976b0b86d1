#include "Controls.h"

#include "Accessibility.h"
#include "Look.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

int renditionScale(qreal devicePixelRatio) { return qBound(1, qCeil(devicePixelRatio), 4); }

// At the picture's own size where there is room, else scaled down to fit;
// centred, with a thin border if asked, and the focus marked; in the rendition
// for the screen the box is on now, which changes as its window moves.
void drawPicture(QWidget *box, const QString &picture, QPixmap &rendition, bool framed)
{
    if (rendition.isNull() ||
        qRound(rendition.devicePixelRatio()) != renditionScale(box->devicePixelRatioF()))
        rendition = pictureRendition(picture, box->devicePixelRatioF());
    QPainter painter(box);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF room = box->rect();
    if (framed) {
        painter.setPen(box->palette().color(QPalette::Mid));
        painter.drawRect(box->rect().adjusted(0, 0, -1, -1));
        room.adjust(1, 1, -1, -1);
    }
    QSizeF size = rendition.deviceIndependentSize();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room.size(), Qt::KeepAspectRatio);
    QRectF drawn(QPointF(), size);
    drawn.moveCenter(room.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(drawn, rendition, rendition.rect());
    if (box->hasFocus()) {
        painter.setPen(QPen(box->palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(box->rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace

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

Band::Band(const QString &name, QWidget *container)
    : QFrame(container)
{
    installAccessibility();
    setObjectName(name);
}

void CaptionedFrame::paintEvent(QPaintEvent *)
{
    constexpr int captionInset = 8;
    constexpr int captionPadding = 2;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, 0, 0);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border.adjusted(0, 0, -2, -2));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, -1, -1));
    QRect caption(captionInset, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption.adjusted(-captionPadding, 0, captionPadding, 0),
                     palette().color(backgroundRole()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush face(palette().color(QPalette::Button));
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = rect().adjusted(2, 2, -2, -2);
    if (isDown())
        option.rect.translate(1, 1);
    style()->drawControl(QStyle::CE_PushButtonLabel, &option, &painter, this);
    // A dotted mark inside the face, from the moment the window opens: a
    // keyboard user sees what Enter will press.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

LinkLabel::LinkLabel(const QString &name, QWidget *container)
    : QAbstractButton(container)
{
    installAccessibility();
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    // The colours of a label on the same background, not a button's.
    setForegroundRole(QPalette::NoRole);
    setBackgroundRole(QPalette::NoRole);
}

void LinkLabel::setText(const QString &text)
{
    QAbstractButton::setText(text);
    // A button would take the letter after an ampersand as its access key.
    setShortcut(QKeySequence());
}

void LinkLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
    update();
}

void LinkLabel::setWordWrap(bool on)
{
    m_wordWrap = on;
    update();
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    // Laid out as a label lays out plain text: tabs expanded, and the
    // direction the text's own.
    const auto direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags =
        QStyle::visualAlignment(direction, m_alignment).toInt() | Qt::TextExpandTabs |
        (m_wordWrap ? Qt::TextWordWrap : 0) |
        (direction == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}

void FittedLabel::setCentre(QPoint centre)
{
    m_centre = centre;
    setCaption(text());
}

void FittedLabel::setCaption(const QString &caption)
{
    setText(caption);
    QRect area(QPoint(), sizeHint());
    area.moveCenter(m_centre);
    setGeometry(area);
}

QPixmap pictureRendition(const QString &picture, qreal devicePixelRatio)
{
    const int scale = renditionScale(devicePixelRatio);
    QPixmap rendition = look::pngPicture(u"%1@%2x.png"_s.arg(picture).arg(scale));
    rendition.setDevicePixelRatio(scale);
    return rendition;
}

Picture::Picture(const QString &name, const QString &picture, QWidget *container)
    : QLabel(container)
    , m_picture(picture)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    // A label with a picture is a graphic to screen readers.
    m_rendition = pictureRendition(m_picture, devicePixelRatioF());
    setPixmap(m_rendition);
}

void Picture::paintEvent(QPaintEvent *) { drawPicture(this, m_picture, m_rendition, false); }

PictureButton::PictureButton(const QString &name, const QString &picture, QWidget *container)
    : QAbstractButton(container)
    , m_picture(picture)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent *) { drawPicture(this, m_picture, m_rendition, true); }

// Space presses the button, as on every button; Enter does too, as on the
// program's push buttons.
void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace forms
