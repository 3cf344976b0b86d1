#include "Brand.h"

#include "forms/Look.h"

#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace brand {

namespace {

// As setHanFamilies() was given them.
QStringList hanFamilies;

// The smallest size, in points, at which Chinese text is bold.
constexpr qreal SmallestBoldHan = 9;

QFont fontOf(const QString &family, qreal points, int style)
{
    QStringList families{forms::look::installedFamily(family, u"DejaVu Sans"_s)};
    if (!hanFamilies.isEmpty())
        families = (style & ChineseFirst) ? hanFamilies + families
                                          : families + QStringList{u"DejaVu Sans"_s} + hanFamilies;
    QFont font = forms::look::pixelFont(families, points);
    // Chinese characters in bold at less than 12 pixels merge their strokes
    // (機, 屬, 體): where the windows speak Chinese, such text is regular.
    font.setBold((style & Bold) && (hanFamilies.isEmpty() || points >= SmallestBoldHan));
    font.setUnderline(style & Underline);
    return font;
}

} // namespace

QFont textFont(qreal points, int style) { return fontOf(u"Verdana"_s, points, style); }

QFont dialogFont(qreal points, int style) { return fontOf(u"MS Sans Serif"_s, points, style); }

void setHanFamilies(const QStringList &families) { hanFamilies = families; }

void dressWindow(QWidget *window)
{
    window->setWindowTitle(WindowTitle.toString());
    window->setFont(textFont(8.25));
}

QIcon programIcon()
{
    // One icon for every window: its renditions are decoded once.
    static const QIcon icon = [] {
        QIcon icon;
        // Title bars and task switchers want small sizes; each size given is
        // decoded and sent to the window system when a window is shown.
        for (const char *name : {"icon-16", "icon-24", "icon@1x", "icon-48", "icon@2x"})
            icon.addPixmap(
                forms::look::pngPicture(u":/pictures/%1.png"_s.arg(QLatin1StringView(name))));
        return icon;
    }();
    return icon;
}

QString picture(QStringView name) { return u":/pictures/"_s.append(name); }

} // namespace brand
