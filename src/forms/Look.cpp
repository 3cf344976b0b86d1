#include "Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QWidget>

#include <map>

using namespace Qt::Literals::StringLiterals;

namespace forms::look {

void place(QWidget *control, Twips where) { control->setGeometry(pixels(where)); }

namespace {

QStringList &hanFamilies()
{
    static QStringList families;
    return families;
}

QFont designFont(const QString &family, qreal points, int style)
{
    // Where the family asked for is missing, DejaVu Sans is asked for by name
    // (looked up once per family): asked for a missing family, Qt first has
    // fontconfig search for its stand-ins before it takes one.
    static std::map<QString, QString> available;
    auto found = available.find(family);
    if (found == available.end())
        found =
            available.emplace(family, QFontDatabase::hasFamily(family) ? family : u"DejaVu Sans"_s)
                .first;
    QFont font(found->second);
    if (!hanFamilies().isEmpty())
        font.setFamilies(QStringList{found->second, u"DejaVu Sans"_s} + hanFamilies());
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(style & Bold);
    font.setUnderline(style & Underline);
    return font;
}

} // namespace

QFont verdana(qreal points, int style) { return designFont(u"Verdana"_s, points, style); }

QFont msSansSerif(qreal points, int style) { return designFont(u"MS Sans Serif"_s, points, style); }

void setHanFamilies(const QStringList &families) { hanFamilies() = families; }

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

QIcon programIcon()
{
    // One icon for every window: its renditions are decoded once.
    static const QIcon icon = [] {
        QIcon icon;
        // Title bars and task switchers want small sizes; each size given is
        // decoded and sent to the window system when a window is shown.
        for (const char *name : {"icon-16", "icon-24", "icon@1x", "icon-48", "icon@2x"})
            icon.addPixmap(pngPicture(u":/pictures/%1.png"_s.arg(QLatin1StringView(name))));
        return icon;
    }();
    return icon;
}

namespace {

// The application's style, but for one picture: Qt's own style gives every menu
// bar a button for the entries that do not fit, and reads its picture without
// saying that it is a PNG, which loads every image-format plugin of the system
// (and the libraries that they need) before the first window can be shown.
class ProgramStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        const bool rightToLeft =
            (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
        QIcon icon;
        for (const int width : {8, 16, 32}) {
            const QString path =
                u":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png"_s
                    .arg(rightToLeft ? u"rtl-"_s : QString())
                    .arg(width);
            // Another version of Qt may keep them elsewhere.
            if (!QFile::exists(path))
                return QProxyStyle::standardIcon(which, option, widget);
            icon.addPixmap(pngPicture(path));
        }
        return icon;
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
