// SPDX-License-Identifier: MIT
#pragma once

#include "platform/win32/formhandles.h"
#include "platform/form/windowdescription.h"

namespace platform {

// Makes the tab control and one child window for each described control in handles.window,
// with their texts and styles, stacked as painting and the dialog keys need them; they are
// placed and sized by the window's layout.
void createControlWindows(const WindowDescription& description, FormHandles& handles);

} // namespace platform
