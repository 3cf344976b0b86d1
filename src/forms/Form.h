#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <initializer_list>

namespace forms {

// Keeps a window in the middle of the window it belongs to, or of the screen,
// frame and title bar included. Until the window manager has framed it, the
// frame it last put round another stands in; should the real one turn out
// otherwise, the window is centred again before the user can have moved it.
class CentredPlacement final : public QObject {
public:
    // Over `over`, or the screen where it is null or hidden.
    explicit CentredPlacement(QWidget *window, QWidget *over = nullptr);

    // Centres the window now: as it is about to appear.
    void centre();
    bool isCentred() const { return m_centred; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Centres the window again if its frame is known now and is not the one
    // guessed; true once the frame is known.
    bool lookAtFrame();

    QWidget *const m_window;
    const QPointer<QWidget> m_over;
    QMargins m_guessedFrame;
    bool m_centred = false;
    bool m_framed = false;
    QTimer m_frameWatch;
};

// A window of the program. Its life: loaded (created hidden, load handler run),
// shown and hidden any number of times, then unloaded (unload handler run,
// hidden, discarded). A handler that runs on after its window was unloaded may
// still use the object, but guards itself with a QPointer when it waits in a
// nested event loop. A main window to Qt, so that screen readers announce
// every window of the program as a window, with its title.
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

    // Made before the client area, whose making already sends events.
    State m_state = State::Loaded;
    CentredPlacement *const m_placement;
    bool m_waitedHidden = false;
    bool m_announcePending = false;
    QWidget *const m_client;
    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
};

// A window opened from another, over its middle: Qt keeps it in front of its
// opener and, shown with exec(), blocks the opener until it closes. Esc closes
// it and Enter presses its default button.
class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(const QString &name, QSize size, QWidget *opener);

    // Gives the dialog the keyboard as it appears, and the opener as it goes: a
    // window manager would mostly do both; without one, nothing else does.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    CentredPlacement *m_placement;
};

// How the program refers to one of its windows by name. Referring to a window
// that is not loaded loads it, hidden, and runs its load handler: load().
template <class F> class FormRef {
public:
    // Makes a new window, its signals already connected, when one is loaded.
    explicit FormRef(std::function<F *()> create)
        : m_create(std::move(create))
    {}

    // The window, loaded first if it is not.
    F &load()
    {
        if (!ifLoaded()) {
            m_form = m_create();
            m_form->load();
        }
        return *static_cast<F *>(m_form.data());
    }

    // The window if it is loaded, without loading it.
    F *ifLoaded() const
    {
        return m_form && m_form->state() != Form::State::Unloaded ? static_cast<F *>(m_form.data())
                                                                  : nullptr;
    }

private:
    std::function<F *()> m_create;
    QPointer<Form> m_form;
};

// The windows that are loaded, in the order Qt lists its windows. Qt keeps the
// list; a window leaves it as its unload begins.
QList<Form *> loadedForms();
// The first of them, or null.
Form *nextToUnload();

// One change of screen: hides the windows in `hide`, then shows those in `show`
// (null ones passed over), so that the window shown last takes the keyboard.
void changeScreen(std::initializer_list<QWidget *> hide, std::initializer_list<QWidget *> show);

// Destroys a window that has closed for good, once control is back in the
// event loop; while screen readers listen, only when the next window is
// discarded, and until then it stays hidden.
void discardWindow(QWidget *window);

} // namespace forms
