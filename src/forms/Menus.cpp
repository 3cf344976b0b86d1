#include "Menus.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

// A menu bar that gives the focus back once the user is done with it. Qt's bar,
// used from the keyboard, takes the focus and keeps the control to give it back
// to; but a second menu opened from the bar makes it keep itself instead, or
// the window is activated again with the bar holding the focus, and it is left
// holding it with no menu in use: Enter then goes to the window's default
// button rather than to the control the user was on.
class MenuBar final : public QMenuBar {
public:
    explicit MenuBar(QWidget *window)
        : QMenuBar(window)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            if (now == this && old && old->window() == this->window() &&
                !qobject_cast<QMenu *>(old))
                m_focusBefore = old;
        });
    }

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QMenuBar::event(event);
        giveFocusBackIfIdle();
        return handled;
    }
    // Qt's menu bar watches its window's keys for Alt, which switches the bar's
    // keyboard use on and off.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool handled = QMenuBar::eventFilter(watched, event);
        if (event->type() == QEvent::KeyRelease || event->type() == QEvent::KeyPress)
            giveFocusBackIfIdle();
        return handled;
    }

private:
    bool idleWithFocus() const
    {
        return hasFocus() && !activeAction() && !QApplication::activePopupWidget();
    }

    void giveFocusBackIfIdle()
    {
        if (!idleWithFocus())
            return;
        // After Qt has finished with the event.
        QTimer::singleShot(0, this, [this] {
            if (QWidget *const control = idleWithFocus() ? focusTarget() : nullptr)
                control->setFocus(Qt::MenuBarFocusReason);
        });
    }

    // The control that had the focus before the bar, or else the first one of
    // the window's tab order that can take it.
    QWidget *focusTarget() const
    {
        const auto canTake = [this](const QWidget *control) {
            return control && control != this && control->window() == window() &&
                   control->isVisible() && control->isEnabled() &&
                   (control->focusPolicy() & Qt::TabFocus);
        };
        if (canTake(m_focusBefore))
            return m_focusBefore;
        for (QWidget *control = window()->nextInFocusChain(); control != window();
             control = control->nextInFocusChain())
            if (canTake(control))
                return control;
        return nullptr;
    }

    QPointer<QWidget> m_focusBefore;
};

// Fusion, the style of qt6ct and of desktops that name none, shortens with "…"
// an entry it finds wider than the menu; and Qt counts an access key after a
// character of another script ("造訪我們的網站(&V)") as a letter, though it
// draws none, so the longest entry lost its middle. Such a menu is made wider
// by the "&", once for each font and set of entries it is shown with.
void keepRoomForAccessKeys(QMenu *menu)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, shownWith = QString()]() mutable {
        QString now = menu->font().toString();
        for (const QAction *entry : menu->actions())
            now += u'\n' + entry->text();
        if (now == shownWith)
            return;
        shownWith = now;
        // A new font or new entries have had the menu measured afresh.
        menu->setMinimumWidth(0);
        const QFontMetricsF metrics(menu->font());
        constexpr int flags = Qt::TextShowMnemonic | Qt::TextSingleLine;
        const QList<QAction *> entries = menu->actions();
        const bool shortened = std::any_of(entries.cbegin(), entries.cend(), [&](QAction *entry) {
            const QString text = entry->text().section(u'\t', 0, 0);
            const qreal width = metrics.size(flags, text).width();
            return metrics.elidedText(text, Qt::ElideMiddle, width + 0.5, flags) != text;
        });
        if (shortened)
            menu->setMinimumWidth(menu->sizeHint().width() +
                                  qCeil(metrics.horizontalAdvance(u'&')));
    });
}

} // namespace

QMenuBar *newMenuBar(QWidget *window)
{
    auto *const bar = new MenuBar(window);
    bar->setObjectName(u"menuBar"_s);
    bar->setNativeMenuBar(false);
    return bar;
}

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    auto *const menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    keepRoomForAccessKeys(menu);
    return menu;
}

QAction *addEntry(QWidget *menuOrBar, const QString &name, const QString &caption)
{
    QAction *const action = menuOrBar->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *addSeparator(QMenu *menu, const QString &name)
{
    auto *const separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

} // namespace forms
