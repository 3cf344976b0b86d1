#include "FormRegistry.h"

#include "Form.h"

namespace forms {

Form *FormRegistry::nextToUnload() const
{
    for (Form *form : m_forms)
        if (form->state() == Form::State::Loaded)
            return form;
    return nullptr;
}

void FormRegistry::add(Form *form) { m_forms.append(form); }

void FormRegistry::remove(Form *form) { m_forms.removeAll(form); }

} // namespace forms
