#include "AccessibilityEvents.h"

#include <QObject>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtPlugin>

using namespace Qt::Literals::StringLiterals;

// The platform whose accessibility a test can turn on.
Q_IMPORT_PLUGIN(AccessibleOffscreenPlugin)

namespace {

QList<AccessibilityEvents::Event> *recorded = nullptr;

// As a screen reader starts or ends: Qt sends accessibility events only while
// the platform's accessibility is active.
void setScreenReaderListening(bool listening)
{
    QPlatformAccessibility *const platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        qFatal("the platform has no accessibility: run on the accessibleoffscreen platform");
    platform->setActive(listening);
}

// The text an event has screen readers read out unasked: from Qt 6.8 on, an
// announcement; before, a notification shown with the text as its name.
QString announcedText(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        return static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
    if (event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface *const face = event->accessibleInterface();
        if (face && face->role() == QAccessible::Notification)
            return face->text(QAccessible::Name);
    }
#endif
    return {};
}

} // namespace

AccessibilityEvents::AccessibilityEvents()
{
    if (recorded)
        qFatal("accessibility events are recorded twice at once");
    recorded = &m_events;
    m_previous = QAccessible::installUpdateHandler(&AccessibilityEvents::record);
    setScreenReaderListening(true);
}

AccessibilityEvents::~AccessibilityEvents()
{
    setScreenReaderListening(false);
    QAccessible::installUpdateHandler(m_previous);
    recorded = nullptr;
}

void AccessibilityEvents::record(QAccessibleEvent *event)
{
    Event seen{event->type(), {}, {}, {}};
    // An object on its way out is not asked anything.
    if (event->type() != QAccessible::ObjectDestroyed) {
        if (const QObject *const object = event->object())
            seen.object = object->objectName();
        QAccessibleInterface *const face = event->accessibleInterface();
        if (face && face->isValid()) {
            seen.name = face->text(QAccessible::Name);
            seen.showing = !face->state().invisible;
        }
        seen.announced = announcedText(event);
    }
    recorded->append(seen);
}

QStringList AccessibilityEvents::told() const
{
    QStringList told;
    for (const Event &event : m_events) {
        if (!event.announced.isEmpty())
            told.append(u"announce "_s + event.announced);
        else if (event.type == QAccessible::Focus)
            told.append(u"focus "_s + event.name);
        else if (event.type == QAccessible::NameChanged && event.showing)
            told.append(u"name "_s + event.name);
    }
    return told;
}
