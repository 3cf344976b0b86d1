#pragma once

#include "Form.h"

#include <QPointer>

#include <functional>

namespace forms {

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

} // namespace forms
