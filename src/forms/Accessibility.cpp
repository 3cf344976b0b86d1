#include "Accessibility.h"

#include "Controls.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QGroupBox>

using namespace Qt::Literals::StringLiterals;

namespace forms {

namespace {

constexpr char AnnouncedProperty[] = "announcedWhenShown";

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

// A region read out when it comes into view: its title (accessible name,
// group box title or label text), then what it shows.
class AnnouncedAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncedAccessible(QWidget *region)
        : QAccessibleWidget(region, QAccessible::Notification)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        QStringList texts;
        if (const QString title = this->title(); !title.isEmpty())
            texts.append(title);
        collectTexts(const_cast<AnnouncedAccessible *>(this), texts);
        return texts.join(u". "_s);
    }

private:
    QString title() const
    {
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName().simplified();
        if (const auto *const box = qobject_cast<const QGroupBox *>(widget()))
            return box->title().simplified();
        if (const auto *const label = qobject_cast<const QLabel *>(widget()))
            return label->text().simplified();
        return {};
    }
};

QAccessibleInterface *kitAccessible(const QString &, QObject *object)
{
    if (auto *const link = qobject_cast<LinkLabel *>(object))
        return new LinkAccessible(link);
    auto *const widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (isAnnounced(widget))
        return new AnnouncedAccessible(widget);
    if (widget->metaObject() == &QFrame::staticMetaObject)
        return new BandAccessible(static_cast<QFrame *>(widget));
    return nullptr;
}

void tellShowing(QWidget *control)
{
    QAccessibleEvent event(control, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
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
    installAccessibility();
    region->setProperty(AnnouncedProperty, true);
    // An interface that Qt made for the region already (a group box makes one
    // as it gets its title) gives way to the announced one.
    if (QAccessibleInterface *const made = QAccessible::queryAccessibleInterface(region);
        made && made->role() != QAccessible::Notification)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void tellControlsShown(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    for (QWidget *control : window->findChildren<QWidget *>())
        if (!control->isWindow() && !isAnnounced(control) && control->isVisibleTo(window))
            tellShowing(control);
}

void announceShownRegions(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    for (QWidget *region : window->findChildren<QWidget *>())
        if (isAnnounced(region) && region->isVisible())
            tellShowing(region);
}

} // namespace forms
