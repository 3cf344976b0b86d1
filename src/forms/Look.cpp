#include "Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QWidget>

#include <map>

using namespace Qt::Literals::StringLiterals;

namespace forms::look {

void place(QWidget *control, Twips where) { control->setGeometry(pixels(where)); }

QString installedFamily(const QString &family, const QString &standIn)
{
    static std::map<QString, QString> installed;
    auto found = installed.find(family);
    if (found == installed.end())
        found =
            installed.emplace(family, QFontDatabase::hasFamily(family) ? family : standIn).first;
    return found->second;
}

QFont pixelFont(const QStringList &families, qreal points)
{
    QFont font(families.value(0));
    if (families.size() > 1)
        font.setFamilies(families);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    return font;
}

void setTextColour(QWidget *control, QRgb colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    palette.setColor(QPalette::Text, QColor(colour));
    palette.setColor(QPalette::ButtonText, QColor(colour));
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

void setWindowBackground(QWidget *control)
{
    setBackground(control, control->palette().color(QPalette::Base).rgb());
}

void setSystemColours(QWidget *control)
{
    const QPalette system = QApplication::palette(control);
    QPalette palette = control->palette();
    for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                            QPalette::Button, QPalette::ButtonText})
        palette.setColor(role, system.color(role));
    control->setPalette(palette);
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

namespace {

// The application's style, but for one picture: Qt's own style gives every menu
// bar a button for the entries that do not fit, and reads its picture without
// saying what format it is in, which loads every image-format plugin of the
// system (and the libraries that they need) before the first window can be
// shown. This style draws that picture, two chevrons, itself.
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

void useProgramStyle() { QApplication::setStyle(new ProgramStyle); }

QPixmap pngPicture(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace forms::look
