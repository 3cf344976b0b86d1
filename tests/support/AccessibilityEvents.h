#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QStringList>

// What the program tells screen readers while this lives: Qt's accessibility
// events, recorded as they are sent, while the platform's accessibility is on as
// a screen reader turns it on. Needs the accessibleoffscreen platform; one at a
// time.
class AccessibilityEvents {
public:
    struct Event {
        QAccessible::Event type;
        QString object;       // the object's name
        QString name;         // its accessible name as the event is sent
        QString announced;    // the text read out unasked, if the event is one
        bool showing = false; // whether the object is showing then
    };

    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    const QList<Event> &events() const { return m_events; }
    void clear() { m_events.clear(); }

    // What a screen reader is told that it speaks unasked, in order: "focus
    // NAME" as a control takes the focus, "name NAME" as the name of a showing
    // object changes, and "announce TEXT" for a text to read out.
    QStringList told() const;

private:
    static void record(QAccessibleEvent *event);

    QList<Event> m_events;
    QAccessible::UpdateHandler m_previous;
};
