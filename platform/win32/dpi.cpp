// SPDX-License-Identifier: MIT
#include "platform/win32/dpi.h"

#include "platform/win32/systemlibrary.h"

namespace platform {

namespace {

constexpr UINT systemDpiBase = 96;

// Looked up by name, so that the program file imports nothing newer than Windows 7.
template<class Function>
Function* user32Function(const char* name)
{
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return functionOf<Function>(user32, name);
}

UINT systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : systemDpiBase;
}

} // namespace

UINT windowDpi(HWND window)
{
    static auto* const forWindow = user32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    return forWindow ? forWindow(window) : systemDpi();
}

int systemMetricAtDpi(int index, UINT dpi)
{
    static auto* const forDpi = user32Function<int WINAPI(int, UINT)>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, dpi);
    // Before it, every metric is the system resolution's: only that one can be asked for.
    return MulDiv(GetSystemMetrics(index), int(dpi), int(systemDpi()));
}

void adjustWindowRectAtDpi(RECT& rect, DWORD style, DWORD extendedStyle, UINT dpi)
{
    static auto* const forDpi
        = user32Function<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&rect, style, FALSE, extendedStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
}

} // namespace platform
