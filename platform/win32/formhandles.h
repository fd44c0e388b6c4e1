// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <vector>

namespace platform {

// The windows a form is made of, as its parts share them: the top-level window, the tab control
// and one window for each described control, in the description's order.
struct FormHandles {
    HWND window = nullptr;
    HWND tabControl = nullptr;
    std::vector<HWND> controls;
};

// Fixed size: no sizing border, no maximise box.
inline constexpr DWORD formWindowStyle
    = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

} // namespace platform
