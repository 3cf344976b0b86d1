#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QWidget;

// Laying out and colouring the controls of a window. Layouts are given in twips; 15 twips
// make one device-independent pixel, so the windows scale with the screen.
namespace forms::look {

inline constexpr int TwipsPerPixel = 15;

struct Twips {
    int left, top, width, height;
};

// Rounded to the nearest pixel (a twip count never lies halfway between two).
constexpr int pixels(int twips) { return qRound(twips / double(TwipsPerPixel)); }
constexpr QRect pixels(Twips t)
{
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}
constexpr QSize pixels(int width, int height) { return {pixels(width), pixels(height)}; }

void place(QWidget *control, Twips where);

// The first of a family and its stand-in that is installed. Asked for a
// missing family, Qt first has fontconfig search for its stand-ins before it
// takes one; looked up once per family.
QString installedFamily(const QString &family, const QString &standIn);
// A font of the families given (the first most wanted, the others drawing the
// letters it lacks), its point size fixed in device-independent pixels (points
// at 96 dots per inch), so that texts fit layouts made in twips on any screen.
QFont pixelFont(const QStringList &families, qreal points);

// How well one colour reads on another: the ratio of their relative
// luminances, each plus 0.05, from 1:1 (the same) to 21:1 (black on white).
qreal contrast(const QColor &a, const QColor &b);
// The least contrast at which a text in the given font reads well: 4.5:1, or
// 3:1 for bold text of 14 points and more.
qreal leastContrast(const QFont &font);

// `wanted` as it is on `keptOn`, the background its caller chose it for. On
// another `background`, as it is drawn there where it reads well (at `least`,
// see leastContrast, with a little to spare), else of the same hue, lighter or
// darker, just enough to; a colour that lets the background through as drawn.
QColor readableColour(const QColor &wanted, const QColor &background, qreal least, QRgb keptOn);

// Runs `apply` now, and again once a control already in its window has taken a
// new palette of the application's (the desktop's colour scheme changed, say).
void followPalette(QWidget *control, std::function<void()> apply);

// A text colour and a background fixed by the window, whatever the palette.
void setTextColour(QWidget *control, const QColor &colour);
void setBackground(QWidget *control, QRgb colour);
// A text colour fixed by the window on a background it leaves to the system,
// made readable there by readableColour. Follows changes of the palette.
void setReadableTextColour(QWidget *control, QRgb colour, QRgb keptOn);
// The system's window background, as the windows' middle areas have; follows the palette.
void setWindowBackground(QWidget *control);
// The system's own colours, for a control inside a coloured one; follows the palette.
void setSystemColours(QWidget *control);
// Narrows the letters of a one-line caption a little where the font that
// stands in for the one it was laid out for runs wider than the layout allows for.
void fitToWidth(QAbstractButton *label);
// Makes a one-line label as tall as its text's line where a font standing in for
// some letters (Chinese ones, say) needs more than its box: its underline stays in view.
void fitLineHeight(QAbstractButton *label);
// Keeps a control's contents within its container where the layout lets the
// control's box overhang the container's edge.
void keepContentsInside(QWidget *control);

// A PNG picture from the resources, read as PNG straight away: asked to guess,
// Qt would first load every image-format plugin of the system to ask them.
QPixmap pngPicture(const QString &path);
// Gives the application the program's style: the platform's own, drawing
// alike, but quicker to build a menu bar with. Called before any window is made.
void useProgramStyle();

} // namespace forms::look
