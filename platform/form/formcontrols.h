// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <string>
#include <string_view>

namespace platform {

// What the event procedures may do with the controls of their window, whatever toolkit shows
// it. Texts are UTF-16, as the toolkits keep them.
class FormControls {
public:
    // The whole text of a text box, or the edit text of a combo box.
    virtual std::u16string text(ControlId control) const = 0;
    virtual void setText(ControlId control, std::u16string_view text) = 0;
    // Appends an entry at the end of a combo box's list; its edit text stays as it is.
    virtual void appendListEntry(ControlId comboBox, std::u16string_view entry) = 0;

protected:
    ~FormControls() = default;
};

} // namespace platform
