#pragma once

#include "Form.h"

#include <QPointer>

#include <functional>

namespace app {

// How the program refers to one of its windows by name. Referring to a window
// that is not loaded loads it, hidden, and runs its load handler.
template <class F> class FormRef {
public:
    template <class Owner>
    explicit FormRef(Owner &owner)
        : m_create([&owner]() -> Form * { return new F(owner); })
    {}

    F &get()
    {
        if (!m_form || m_form->state() == Form::State::Unloaded) {
            F *const form = static_cast<F *>(m_create());
            m_form = form;
            form->load();
        }
        return *static_cast<F *>(m_form.data());
    }
    F &operator*() { return get(); }
    F *operator->() { return &get(); }

    // The window if it is loaded, without loading it.
    F *ifLoaded() const
    {
        return m_form && m_form->state() != Form::State::Unloaded ? static_cast<F *>(m_form.data())
                                                                  : nullptr;
    }

private:
    std::function<Form *()> m_create;
    QPointer<Form> m_form;
};

} // namespace app
