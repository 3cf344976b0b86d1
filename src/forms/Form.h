#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include <initializer_list>

namespace forms {

class CentredPlacement;

// A window of the program. Its life: loaded (created hidden, load handler run),
// shown and hidden any number of times, then unloaded (unload handler run,
// hidden, destroyed as discardWindow() destroys windows). Handlers that run
// on after their own window was unloaded may still use the object itself, but
// one that waits in a nested event loop guards itself with a QPointer.
//
// A main window to Qt, so that screen readers announce every window of the
// program as a window, with its title.
class Form : public QMainWindow {
    Q_OBJECT
public:
    enum class State { Loaded, Unloading, Unloaded };

    Form(const QString &name, QSize clientSize);

    State state() const { return m_state; }
    bool isUnloaded() const { return m_state != State::Loaded; }

    // Runs the unload handler, then hides and destroys the window. A window
    // that is already being unloaded is left alone.
    void Unload();

    // The client area, under the menu bar if there is one.
    QWidget *client() const { return m_client; }

    // Places the window when it is first shown, and brings a window that is
    // shown into view and gives it the keyboard.
    void setVisible(bool visible) override;

signals:
    void unloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Esc presses the cancel button; Enter presses the focused button, or the
    // default button when no button has the focus.
    void setDefaultButton(QPushButton *button) { m_defaultButton = button; }
    void setCancelButton(QPushButton *button) { m_cancelButton = button; }

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    template <class F> friend class FormRef;
    void load();

    // Made before the client area, whose making already sends the window
    // events.
    State m_state = State::Loaded;
    CentredPlacement *const m_placement;
    bool m_waitedHidden = false;
    bool m_announcePending = false;
    QWidget *const m_client;
    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
};

// The windows that are loaded, in the order Qt lists its windows. Qt keeps the
// list; a window leaves it as its unload begins.
QList<Form *> loadedForms();
// The first of them, or null.
Form *nextToUnload();

// One change of screen: hides the windows in `hide`, then shows those in
// `show`, so that the window shown last takes the keyboard. Null entries are
// passed over.
void changeScreen(std::initializer_list<QWidget *> hide, std::initializer_list<QWidget *> show);

// Destroys a window that has closed for good, once control is back in the
// event loop; while screen readers listen, only when the next window is
// discarded, and until then it stays hidden.
void discardWindow(QWidget *window);

} // namespace forms
