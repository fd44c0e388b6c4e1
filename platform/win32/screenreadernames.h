// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <windows.h>

#include <vector>

namespace platform {

// What a screen reader says for the window's controls, from its description: each input its
// label's text, each button its description, each tab its spoken words as its description
// (its name stays the caption shown, which a speech-input user says). Given as MSAA
// dynamic annotations, which UI Automation reads too; the labels stay as they are painted.
void annotateForScreenReaders(
    const WindowDescription& window, HWND tabControl, const std::vector<HWND>& controls);
void clearScreenReaderNames(
    const WindowDescription& window, HWND tabControl, const std::vector<HWND>& controls);

} // namespace platform
