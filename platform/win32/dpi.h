// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// Dots per inch as every Windows from 7 on can answer: the per-monitor functions where the
// system has them (Windows 10 version 1607 on), the system's resolution where it has not.
namespace platform {

UINT windowDpi(HWND window);
int systemMetricAtDpi(int index, UINT dpi);
void adjustWindowRectAtDpi(RECT& rect, DWORD style, DWORD extendedStyle, UINT dpi);

} // namespace platform
