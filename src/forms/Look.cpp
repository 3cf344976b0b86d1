#include "Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace forms::look {

namespace {

qreal luminance(const QColor &colour)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The colour drawn behind a control: that of the nearest of it and its
// containers that fills its background.
QColor backgroundBehind(const QWidget *control)
{
    const QWidget *filled = control;
    while (!filled->autoFillBackground() && !filled->isWindow() && filled->parentWidget())
        filled = filled->parentWidget();
    return filled->palette().color(filled->backgroundRole());
}

// Runs its control's colouring again when the application's palette has
// changed, once the control's window has handed the new palette down to its
// controls, which each window does as Qt tells it, in an event of its own.
class PaletteFollower final : public QObject {
public:
    PaletteFollower(QWidget *control, std::function<void()> apply)
        : QObject(control)
        , m_apply(std::move(apply))
    {
        control->window()->installEventFilter(this);
        m_apply();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            QTimer::singleShot(0, this, m_apply);
        return false;
    }

private:
    const std::function<void()> m_apply;
};

// The application's style, but for one picture: Qt's own gives every menu bar a
// button for the entries that do not fit, and reads its picture without saying
// its format, which loads every image-format plugin of the system (and their
// libraries) before the first window can be shown. This draws it, two chevrons.
class ProgramStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        const bool rightToLeft =
            (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
        const QColor ink =
            (option ? option->palette : QApplication::palette(widget)).color(QPalette::ButtonText);
        QIcon icon;
        for (const int side : {16, 32})
            icon.addPixmap(chevrons(side, ink, rightToLeft));
        return icon;
    }

private:
    static QPixmap chevrons(int side, const QColor &ink, bool pointingLeft)
    {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, side / 8.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        if (pointingLeft)
            painter.setTransform(QTransform(-1, 0, 0, 1, side, 0));
        const qreal unit = side / 16.0;
        for (const qreal left : {4.0, 8.5})
            painter.drawPolyline(QPolygonF{{(left)*unit, 4 * unit},
                                           {(left + 3.5) * unit, 8 * unit},
                                           {(left)*unit, 12 * unit}});
        return picture;
    }
};

} // namespace

void place(QWidget *control, Twips where) { control->setGeometry(pixels(where)); }

QString installedFamily(const QString &family, const QString &standIn)
{
    static QHash<QString, bool> installed;
    if (!installed.contains(family))
        installed.insert(family, QFontDatabase::hasFamily(family));
    return installed.value(family) ? family : standIn;
}

QFont pixelFont(const QStringList &families, qreal points)
{
    QFont font(families.value(0));
    if (families.size() > 1)
        font.setFamilies(families);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    return font;
}

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a) + 0.05;
    const qreal lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

qreal leastContrast(const QFont &font)
{
    const qreal points = font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96.0 : font.pointSizeF();
    return font.bold() && points >= 14 ? 3.0 : 4.5;
}

QColor readableColour(const QColor &wanted, const QColor &background, qreal least, QRgb keptOn)
{
    if (background.rgb() == QColor(keptOn).rgb())
        return wanted;
    const auto mix = [](const QColor &a, const QColor &b, qreal share) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
                                float(a.greenF() + (b.greenF() - a.greenF()) * share),
                                float(a.blueF() + (b.blueF() - a.blueF()) * share));
    };
    const QColor drawn = QColor(mix(background, wanted.toRgb(), wanted.alphaF()).rgb());
    // The smoothed edges of thin strokes, small Chinese ones above all, never
    // quite reach the colour they are drawn in: a little contrast to spare.
    const qreal needed = least + 0.5;
    if (contrast(drawn, background) >= needed)
        return drawn;
    // Qt's own HSL: only lightness moves, so the hue stays exactly as drawn pixels show it.
    const float hue = qMax(0.0f, drawn.hslHueF());
    const float saturation = drawn.hslSaturationF();
    const auto at = [&](qreal lightness) {
        return QColor(QColor::fromHslF(hue, saturation, float(lightness)).rgb());
    };
    const qreal behind = luminance(background);
    const qreal from = drawn.lightnessF();
    // The lightness nearest `from`, lighter or darker, at which the colour reads
    // well; where it does at the end of the way, it does from some point on.
    const auto nearest = [&](bool lighter) -> std::optional<qreal> {
        const auto reads = [&](qreal lightness) {
            const QColor colour = at(lightness);
            return (lighter ? luminance(colour) > behind : luminance(colour) < behind) &&
                   contrast(colour, background) >= needed;
        };
        qreal poor = from;
        qreal good = lighter ? 1 : 0;
        if (!reads(good))
            return std::nullopt;
        for (int halving = 0; halving < 20; ++halving) {
            const qreal middle = (poor + good) / 2;
            (reads(middle) ? good : poor) = middle;
        }
        return good;
    };
    const std::optional<qreal> lighter = nearest(true);
    const std::optional<qreal> darker = nearest(false);
    if (lighter && (!darker || *lighter - from <= from - *darker))
        return at(*lighter);
    if (darker)
        return at(*darker);
    return contrast(Qt::white, background) >= contrast(Qt::black, background) ? QColor(Qt::white)
                                                                              : QColor(Qt::black);
}

void followPalette(QWidget *control, std::function<void()> apply)
{
    new PaletteFollower(control, std::move(apply));
}

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    control->setPalette(palette);
}

void setBackground(QWidget *control, QRgb colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    palette.setColor(QPalette::Button, QColor(colour));
    control->setPalette(palette);
    // Children inherit the role, so each filled control names its own.
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
}

void setReadableTextColour(QWidget *control, QRgb colour, QRgb keptOn)
{
    followPalette(control, [control, colour, keptOn] {
        setTextColour(control, readableColour(QColor(colour), backgroundBehind(control),
                                              leastContrast(control->font()), keptOn));
    });
}

void setWindowBackground(QWidget *control)
{
    control->setBackgroundRole(QPalette::Base);
    control->setAutoFillBackground(true);
}

void setSystemColours(QWidget *control)
{
    followPalette(control, [control] {
        const QPalette system = QApplication::palette(control);
        QPalette palette = control->palette();
        for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                QPalette::Text, QPalette::Button, QPalette::ButtonText})
            palette.setColor(role, system.color(role));
        control->setPalette(palette);
    });
}

void fitToWidth(QAbstractButton *label)
{
    constexpr qreal narrowest = 85;
    QFont font = label->font();
    const qreal needed = QFontMetricsF(font).horizontalAdvance(label->text());
    const qreal room = label->contentsRect().width();
    if (needed <= room)
        return;
    font.setLetterSpacing(QFont::PercentageSpacing,
                          qMax(narrowest, qreal(qFloor(room / needed * 100))));
    label->setFont(font);
}

void fitLineHeight(QAbstractButton *label)
{
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int needed = qCeil(line.height());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

void keepContentsInside(QWidget *control)
{
    const QRect box = control->geometry();
    const QRect room = control->parentWidget()->rect();
    control->setContentsMargins(qMax(0, room.left() - box.left()), qMax(0, room.top() - box.top()),
                                qMax(0, box.right() - room.right()),
                                qMax(0, box.bottom() - room.bottom()));
}

void useProgramStyle() { QApplication::setStyle(new ProgramStyle); }

QPixmap pngPicture(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace forms::look
