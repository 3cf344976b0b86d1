#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Menu bars built entry by entry, each entry named as the program names it.
namespace forms {

QMenuBar *newMenuBar(QWidget *window);
QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption);
// An entry of a menu, or a top-level entry of the bar without a submenu.
QAction *addEntry(QWidget *menuOrBar, const QString &name, const QString &caption);
QAction *addSeparator(QMenu *menu, const QString &name);

} // namespace forms
