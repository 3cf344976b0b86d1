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

bool FormRegistry::holdsBack(Form *form, bool visible)
{
    if (m_openBatches == 0)
        return false;
    for (auto &[held, wanted] : m_heldBack)
        if (held == form) {
            wanted = visible;
            return true;
        }
    m_heldBack.append({form, visible});
    return true;
}

FormRegistry::VisibilityBatch::VisibilityBatch(FormRegistry &registry)
    : m_registry(registry)
{
    ++m_registry.m_openBatches;
}

FormRegistry::VisibilityBatch::~VisibilityBatch()
{
    if (--m_registry.m_openBatches > 0)
        return;
    const auto changes = std::exchange(m_registry.m_heldBack, {});
    // Hides first, so that the window shown last is the one that gets the focus.
    for (const bool visible : {false, true})
        for (const auto &[form, wanted] : changes)
            if (form && wanted == visible)
                form->applyVisible(visible);
}

} // namespace forms
