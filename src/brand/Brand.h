#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QStringList>

class QWidget;

// LV Sortilo's own look: its title, its colours, its fonts and its pictures.
namespace brand {

inline constexpr QStringView WindowTitle = u"LV Sortilo v1.0";
inline constexpr QStringView MessageTitle = u"LV Sortilo";

inline constexpr QRgb DarkBlue = 0x144772;
inline constexpr QRgb Navy = 0x000080;
inline constexpr QRgb White = 0xFFFFFF;
inline constexpr QRgb Black = 0x000000;
inline constexpr QRgb Red = 0xFF0000;
inline constexpr QRgb Yellow = 0xFFFF00;
inline constexpr QRgb Grey = 0x808080;
inline constexpr QRgb ButtonGrey = 0xE0E0E0;
inline constexpr QRgb LinkBlue = 0x0000C0;
// The background the program's colours were chosen on. There they are drawn
// as they are, whatever their contrast (the red reads at 4:1 on white); on
// any other, forms::look makes them readable.
inline constexpr QRgb ColoursChosenOn = White;

// ChineseFirst: for a paragraph whose Chinese has quotes or dashes, which
// the Chinese font then draws full width as well, where the Latin font would
// draw them narrow, touching the characters. Its Latin letters take the
// Chinese font's forms, and its lines are a little taller.
enum FontStyle { Plain = 0, Bold = 1, Underline = 2, ChineseFirst = 4 };

// The windows' text font: Verdana, or DejaVu Sans where Verdana is missing, as
// it is on most desktops, at the given point size fixed in device-independent
// pixels. Where the windows speak Chinese, text below 9 points is never bold.
QFont textFont(qreal points, int style = Plain);
// The dialog font, MS Sans Serif, where a window asks for it; DejaVu Sans
// stands in for it as well.
QFont dialogFont(qreal points, int style = Plain);
// The fonts that draw Chinese characters in the texts of the windows, most
// wanted first, so that they take the forms of the language shown whatever
// the desktop's own choice; none leaves the choice to the desktop. For fonts
// made after the call.
void setHanFamilies(const QStringList &families);

// Gives a window of the program its title and its font.
void dressWindow(QWidget *window);

// The program's icon, in the sizes that title bars and task switchers want.
QIcon programIcon();
// Where one of the program's pictures ("sticks", "icon") is kept, for
// forms::pictureRendition.
QString picture(QStringView name);

} // namespace brand
