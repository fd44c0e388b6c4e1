// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/formcontrols.h"
#include "platform/form/startprogram.h"

#include <string>

namespace platform {

// The window as the page shows it: the page arrives with the window's elements, written from
// its description when the page was built, and its script reaches each control by its index;
// the form's procedures run over them.
class PageForm final : public FormControls {
public:
    explicit PageForm(const FormFactory& createForm);

    std::u16string text(ControlId control) const override;
    void setText(ControlId control, std::u16string_view text) override;
    void appendListEntry(ControlId comboBox, std::u16string_view entry) override;

    // Run the load procedure, or the one bound to this button; a failure is shown in one box.
    void load();
    void click(std::size_t button);

private:
    FormEvents m_events;
};

} // namespace platform
