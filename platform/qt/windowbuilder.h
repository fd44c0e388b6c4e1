// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

class QWidget;

namespace platform {

struct WindowDescription;

// Builds a fixed-size window and every control of its description: kinds, names, geometry,
// texts, fonts, tabs and focus order. Returns the controls in the order of the description.
std::vector<QWidget*> buildWindow(QWidget& window, const WindowDescription& description);

} // namespace platform
