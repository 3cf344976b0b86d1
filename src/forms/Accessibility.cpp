#include "Accessibility.h"

#include "Controls.h"

#include <QAccessibleWidget>
#include <QApplication>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

constexpr char AnnouncedProperty[] = "announcedWhenShown";

// A link, named by the text it shows, that screen readers can press.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        // Later, from the event loop, so that the screen reader is answered
        // at once whatever the link does.
        if (action == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(link(), &LinkLabel::click, Qt::QueuedConnection);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(t);
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

// A band: a group named by its accessible name, or a pane if it has none.
class BandAccessible final : public QAccessibleWidget {
public:
    explicit BandAccessible(Band *band)
        : QAccessibleWidget(band, QAccessible::Grouping)
    {}
    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Pane : QAccessible::Grouping;
    }
};

// The texts shown under an accessible, in reading order; a named group's
// name comes before what it holds.
void collectTexts(QAccessibleInterface *parent, QStringList &texts)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *const child = parent->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->text(QAccessible::Name).simplified();
        QStringList inside;
        collectTexts(child, inside);
        if (child->role() == QAccessible::Grouping && !name.isEmpty() && !inside.isEmpty())
            inside.first().prepend(name + u' ');
        else if (!name.isEmpty() && child->childCount() == 0)
            inside.prepend(name);
        for (const QString &text : std::as_const(inside))
            if (!texts.contains(text))
                texts.append(text);
    }
}

// What a region shows, as one text: its own name, then the texts under it.
QString regionText(QWidget *region)
{
    QAccessibleInterface *const face = QAccessible::queryAccessibleInterface(region);
    if (!face)
        return {};
    QStringList texts;
    if (const QString name = face->text(QAccessible::Name).simplified(); !name.isEmpty())
        texts.append(name);
    collectTexts(face, texts);
    return texts.join(u". "_s);
}

// How a window has a text read out unasked by screen readers, on its own
// behalf and without drawing anything.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// Qt's announcement event (AT-SPI's Object:Announcement), sent for the window:
// Orca 48 handles every event of a window and never drops an announcement as
// made obsolete. It is polite, Qt's default: a screen reader that heeds
// politeness finishes what it is saying first.
void announce(QWidget *window, const QString &text)
{
    if (text.isEmpty())
        return;
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
}

#else

// Qt before 6.8 has no announcement event: the window shows a notification of
// its own, named by the text, and hides it at once; screen readers read out a
// notification by its name as it is shown. Orca 43 does. Orca 48 drops the
// "shown" event as made obsolete by the "hidden" one behind it, hence the
// event above on Qt 6.8 and later.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window)
        : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

void announce(QWidget *window, const QString &text)
{
    if (text.isEmpty())
        return;
    auto *announcer = window->findChild<Announcer *>({}, Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->setAccessibleName(text);
    announcer->show();
    announcer->hide();
}

#endif

class RegionWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *const region = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && QAccessible::isActive() &&
            region->window()->isActiveWindow())
            announce(region->window(), regionText(region));
        return false;
    }
};

QAccessibleInterface *kitAccessible(const QString &, QObject *object)
{
    if (auto *const link = qobject_cast<LinkLabel *>(object))
        return new LinkAccessible(link);
    if (auto *const band = qobject_cast<Band *>(object))
        return new BandAccessible(band);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto *const announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
#endif
    return nullptr;
}

} // namespace

// Qt installs a factory once, however often it is asked to.
void installAccessibility() { QAccessible::installFactory(kitAccessible); }

void announceWhenShown(QWidget *region)
{
    static RegionWatcher *const watcher = new RegionWatcher(qApp);
    region->setProperty(AnnouncedProperty, true);
    region->installEventFilter(watcher);
}

void renewAccessibleControls(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    QList<QWidget *> controls = window->findChildren<QWidget *>();
    controls.removeIf(
        [window](const QWidget *c) { return c->isWindow() || !c->isVisibleTo(window); });
    // The old objects go untold. A screen reader told that an object is gone
    // asks about it, and about its parent, once it comes to the news, by when
    // both are deleted; Qt answers each such question with a warning on
    // standard error, over a hundred a window under Orca 48. Untold, it never
    // asks about them again: it meets the controls anew through the window.
    for (QWidget *control : std::as_const(controls))
        if (QAccessibleInterface *const old = QAccessible::queryAccessibleInterface(control))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    for (QWidget *control : std::as_const(controls)) {
        QAccessibleEvent made(control, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&made);
    }
}

void announceShownRegions(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    QStringList texts;
    for (QWidget *region : window->findChildren<QWidget *>())
        if (region->property(AnnouncedProperty).toBool() && region->isVisible())
            texts.append(regionText(region));
    announce(window, texts.join(u". "_s));
}

} // namespace forms

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "Accessibility.moc"
#endif
