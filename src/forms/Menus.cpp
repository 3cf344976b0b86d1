#include "Menus.h"

#include "Look.h"

#include <QMenu>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace forms {

QMenuBar *newMenuBar(QWidget *window)
{
    auto *const bar = new QMenuBar(window);
    bar->setObjectName(u"menuBar"_s);
    bar->setNativeMenuBar(false);
    return bar;
}

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    auto *const menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction *addEntry(QWidget *menuOrBar, const QString &name, const QString &caption)
{
    auto *const action = new QAction(caption, menuOrBar);
    action->setObjectName(name);
    menuOrBar->addAction(action);
    return action;
}

QAction *addSeparator(QMenu *menu, const QString &name)
{
    auto *const separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

} // namespace forms
