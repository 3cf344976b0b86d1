#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QWidget;

// The one look of the program's windows. Layouts are written in twips, in
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

inline constexpr QRgb DarkBlue = 0x144772;
inline constexpr QRgb Navy = 0x000080;
inline constexpr QRgb White = 0xFFFFFF;
inline constexpr QRgb Red = 0xFF0000;
inline constexpr QRgb Yellow = 0xFFFF00;
inline constexpr QRgb ButtonGrey = 0xE0E0E0;
inline constexpr QRgb LinkBlue = 0x0000C0;

inline constexpr QStringView WindowTitle = u"LV Sortilo v1.0";
// The title of every message box.
inline constexpr QStringView ApplicationTitle = u"LV Sortilo";

enum FontStyle { Plain = 0, Bold = 1, Underline = 2 };

// Verdana at the given point size, or DejaVu Sans where Verdana is missing. The
// size is fixed in device-independent pixels (points at 96 dots per inch) so
// that texts fit the twips layouts on any screen.
QFont verdana(qreal points, int style = Plain);
// The system's dialog font of old, where a window asks for it; DejaVu Sans
// stands in for it here as well.
QFont msSansSerif(qreal points, int style = Plain);
// The fonts that draw Chinese characters in the texts of the windows, most
// wanted first, so that they take the forms of the language shown whatever
// the desktop's own choice; none leaves the choice to the desktop. For fonts
// made after the call.
void setHanFamilies(const QStringList &families);

void setTextColour(QWidget *control, QRgb colour);
void setBackground(QWidget *control, QRgb colour);
// The system's window background, as the middle areas of the windows have.
void setWindowBackground(QWidget *control);
// The system's own colours, for a control inside a coloured container.
void setSystemColours(QWidget *control);
// Narrows the letters of a one-line caption a little where the font that
// stands in for Verdana runs wider than the layout allows for.
void fitToWidth(QAbstractButton *label);
// Makes a one-line label tall enough for the line its text needs, where a font
// that stands in for some of its letters (Chinese ones, say) needs a taller
// line than its box gives: its underline stays in view.
void fitLineHeight(QAbstractButton *label);
// Keeps a control's contents within its container where the layout lets the
// control's box overhang the container's edge.
void keepContentsInside(QWidget *control);

QIcon programIcon();
// A PNG picture of the program's, or of Qt's own, from the resources. Read as
// PNG straight away: asked to guess, Qt would first load every image-format
// plugin of the system to ask whether it reads PNG better.
QPixmap pngPicture(const QString &path);
// Gives the application the program's style: the platform's own, drawing
// alike, but quicker to build a menu bar with. Called before any window is made.
void useProgramStyle();

} // namespace forms::look
