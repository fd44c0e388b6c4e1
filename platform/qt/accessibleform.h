// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Makes screen readers see the form as Windows and the web show it: the window as a window,
// and a DPI box named by its label, as every other field is. Installed once, before the first
// form is shown.
void installAccessibleForm();

} // namespace platform
