#pragma once

#include <QList>
#include <QPointer>

namespace forms {

class Form;

// The program's loaded windows, in the order in which they were loaded.
class FormRegistry {
public:
    QList<Form *> loadedForms() const { return m_forms; }
    // The first loaded window that is not already on its way out, or null.
    Form *nextToUnload() const;

    // Windows shown and hidden while a batch is open appear and disappear
    // together when it closes, as one change of screen: a window shown and
    // hidden again within the batch never reaches the screen.
    class [[nodiscard]] VisibilityBatch {
    public:
        explicit VisibilityBatch(FormRegistry &registry);
        ~VisibilityBatch();
        VisibilityBatch(const VisibilityBatch &) = delete;
        VisibilityBatch &operator=(const VisibilityBatch &) = delete;

    private:
        FormRegistry &m_registry;
    };

private:
    friend class Form;
    void add(Form *form);
    void remove(Form *form);
    // True when the change is held back for the open batch.
    bool holdsBack(Form *form, bool visible);

    QList<Form *> m_forms;
    int m_openBatches = 0;
    QList<std::pair<QPointer<Form>, bool>> m_heldBack;
};

} // namespace forms
