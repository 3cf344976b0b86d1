#include "Accessibility.h"

#include "Controls.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

constexpr char AnnouncedProperty[] = "announcedWhenShown";
const QString AnnouncerName = u"announcer"_s;

bool isAnnounced(const QObject *object) { return object->property(AnnouncedProperty).toBool(); }

// What a screen reader finds of a link label: a link, named by the text it
// shows, that it can press.
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
            QMetaObject::invokeMethod(static_cast<LinkLabel *>(widget()), &LinkLabel::clicked,
                                      Qt::QueuedConnection);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A band: a group named by its accessible name, or a pane if it has none.
class BandAccessible final : public QAccessibleWidget {
public:
    explicit BandAccessible(QFrame *band)
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
        const bool group =
            child->role() == QAccessible::Grouping && child->childCount() > 0 && !name.isEmpty();
        QStringList inside;
        collectTexts(child, inside);
        if (group && !inside.isEmpty())
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

// A notification that screen readers read out as it is shown, and that is
// hidden again at once: how a window announces something without drawing it.
class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {}
};

QWidget *announcerOf(QWidget *window)
{
    if (auto *const announcer =
            window->findChild<QWidget *>(AnnouncerName, Qt::FindDirectChildrenOnly))
        return announcer;
    auto *const announcer = new QWidget(window);
    announcer->setObjectName(AnnouncerName);
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setGeometry(0, 0, 0, 0);
    announcer->hide();
    return announcer;
}

void announce(QWidget *window, const QString &text)
{
    if (text.isEmpty())
        return;
    QWidget *const announcer = announcerOf(window);
    announcer->setAccessibleName(text);
    announcer->show();
    announcer->hide();
}

// Announces a region that is shown while its window is the active one; a
// window that is just appearing announces its regions once it is active.
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
    auto *const widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == AnnouncerName)
        return new AnnouncerAccessible(widget);
    if (widget->metaObject() == &QFrame::staticMetaObject)
        return new BandAccessible(static_cast<QFrame *>(widget));
    return nullptr;
}

bool isControlOf(const QWidget *window, const QWidget *control)
{
    return !control->isWindow() && control->isVisibleTo(window);
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(kitAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

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
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    // Inner controls go first, and come back last.
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
        if (!isControlOf(window, *control))
            continue;
        QAccessibleInterface *const old = QAccessible::queryAccessibleInterface(*control);
        if (!old)
            continue;
        QAccessibleEvent gone(old, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    }
    for (QWidget *control : controls) {
        if (!isControlOf(window, control))
            continue;
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
        if (isAnnounced(region) && region->isVisible())
            texts.append(regionText(region));
    announce(window, texts.join(u". "_s));
}

} // namespace forms
