#pragma once

#include <QList>

namespace forms {

class Form;

// The program's loaded windows, in the order in which they were loaded.
class FormRegistry {
public:
    QList<Form *> loadedForms() const { return m_forms; }
    // The first loaded window that is not already on its way out, or null.
    Form *nextToUnload() const;

private:
    friend class Form;
    void add(Form *form);
    void remove(Form *form);

    QList<Form *> m_forms;
};

} // namespace forms
