#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QWidget;

// Laying out and colouring the controls of a window. Layouts are written in twips, in
// which the windows were laid out; 15 twips make one device-independent pixel, so the
// windows scale with the screen.
namespace forms::look {

inline constexpr int TwipsPerPixel = 15;

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

constexpr int pixels(int twips)
{
    // Rounded to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
constexpr QRect pixels(Twips t)
{
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}
constexpr QSize pixels(int widthTwips, int heightTwips)
{
    return {pixels(widthTwips), pixels(heightTwips)};
}

// Puts a control at its place in its container.
void place(QWidget *control, Twips where);

// The first of a family and its stand-in that is installed. Asked for a
// missing family, Qt first has fontconfig search for its stand-ins before it
// takes one; looked up once per family.
QString installedFamily(const QString &family, const QString &standIn);
// A font of the families given, the first most wanted and the others drawing
// the letters it lacks, at the given point size fixed in device-independent
// pixels (points at 96 dots per inch), so that texts fit layouts made in twips
// on any screen.
QFont pixelFont(const QStringList &families, qreal points);

void setTextColour(QWidget *control, QRgb colour);
void setBackground(QWidget *control, QRgb colour);
// The system's window background, as the middle areas of the windows have.
void setWindowBackground(QWidget *control);
// The system's own colours, for a control inside a coloured container.
void setSystemColours(QWidget *control);
// Narrows the letters of a one-line caption a little where the font that
// stands in for the one it was laid out for runs wider than the layout allows for.
void fitToWidth(QAbstractButton *label);
// Makes a one-line label tall enough for the line its text needs, where a font
// that stands in for some of its letters (Chinese ones, say) needs a taller
// line than its box gives: its underline stays in view.
void fitLineHeight(QAbstractButton *label);
// Keeps a control's contents within its container where the layout lets the
// control's box overhang the container's edge.
void keepContentsInside(QWidget *control);

// A PNG picture from the resources. Read as
// PNG straight away: asked to guess, Qt would first load every image-format
// plugin of the system to ask whether it reads PNG better.
QPixmap pngPicture(const QString &path);
// Gives the application the program's style: the platform's own, drawing
// alike, but quicker to build a menu bar with. Called before any window is made.
void useProgramStyle();

} // namespace forms::look
