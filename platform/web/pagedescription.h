// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <string>

namespace platform {

// The window's description as JSON for the page's script: caption, size, tabs and controls
// with their places in pixels at 96 DPI, each input's label, and each tab's focus chain
// (control indexes, -1 for the tab strip).
std::string describeForPage(const WindowDescription& description);

} // namespace platform
