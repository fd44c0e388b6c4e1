// SPDX-License-Identifier: MIT
#include "platform/win32/windowlayout.h"

#include "platform/win32/dpi.h"
#include "platform/win32/fonts.h"
#include "platform/win32/widetext.h"

#include <commctrl.h>

#include <algorithm>

namespace platform {

namespace {

void deleteFonts(HFONT font, const WindowLayout::OwnFonts& own)
{
    DeleteObject(font);
    for (const auto& [description, handle] : own)
        DeleteObject(handle);
}

} // namespace

WindowLayout::WindowLayout(const WindowDescription& description, const FormHandles& handles)
    : m_description(description)
    , m_handles(handles)
{ }

WindowLayout::~WindowLayout()
{
    deleteFonts(m_font, m_ownFonts);
}

HFONT WindowLayout::fontOf(const ControlDescription& control)
{
    if (!control.font)
        return m_font;
    const auto known = std::ranges::find(m_ownFonts, control.font, &OwnFonts::value_type::first);
    if (known != m_ownFonts.end())
        return known->second;
    return m_ownFonts.emplace_back(control.font, createFont(*control.font, m_dpi)).second;
}

int WindowLayout::pixels(int twips) const
{
    return pixelsAt(twips, m_dpi);
}

void WindowLayout::placeTabControl()
{
    const TabControlDescription& tabs = m_description.tabControl;
    const PixelRect area = pixelsAt(tabs.geometry, m_dpi);
    SendMessageW(m_handles.tabControl, WM_SETFONT, WPARAM(m_font), FALSE);
    SetWindowPos(m_handles.tabControl, nullptr, area.left, area.top, area.width, area.height,
        SWP_NOZORDER | SWP_NOACTIVATE);
    // The tabs share the strip's width, as the Linux window's do, less the few pixels the
    // strip keeps free at its ends (more, and it scrolls).
    // Its height is the control's own choice for its font, measured before the first fixed
    // size; once sized it keeps any height it is given, so at another resolution it is scaled.
    if (m_tabStripHeight == 0) {
        RECT tabRect {};
        SendMessageW(m_handles.tabControl, TCM_GETITEMRECT, 0, LPARAM(&tabRect));
        m_tabStripHeight = tabRect.bottom - tabRect.top;
        m_tabStripDpi = m_dpi;
    }
    const int tabWidth = (area.width - 2 * systemMetricAtDpi(SM_CXEDGE, UINT(m_dpi)) - 2)
        / int(std::max<std::size_t>(1, tabs.captions.size()));
    SendMessageW(m_handles.tabControl, TCM_SETITEMSIZE, 0,
        MAKELPARAM(tabWidth, MulDiv(m_tabStripHeight, m_dpi, m_tabStripDpi)));
}

void WindowLayout::layOut(int dpi, const RECT* suggested)
{
    m_dpi = dpi;
    const HFONT oldFont = std::exchange(m_font, createFont(m_description.font, m_dpi));
    const auto oldOwnFonts = std::exchange(m_ownFonts, {});
    placeTabControl();

    for (std::size_t i = 0; i < m_handles.controls.size(); ++i) {
        const ControlDescription& description = m_description.controls[i];
        const PixelRect place = pixelsAt(placeInWindow(m_description, description), m_dpi);
        int height = place.height;
        if (description.kind == ControlKind::ComboBox)
            height *= 8; // the edit part and the dropped-down list
        SetWindowPos(m_handles.controls[i], nullptr, place.left, place.top, place.width, height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(m_handles.controls[i], WM_SETFONT, WPARAM(fontOf(description)), TRUE);
    }
    deleteFonts(oldFont, oldOwnFonts);

    RECT frame { 0, 0, pixels(m_description.clientWidth), pixels(m_description.clientHeight) };
    adjustWindowRectAtDpi(frame, formWindowStyle, 0, UINT(m_dpi));
    if (suggested)
        SetWindowPos(m_handles.window, nullptr, suggested->left, suggested->top,
            frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(m_handles.window, nullptr, 0, 0, frame.right - frame.left,
            frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
}

// Where the frame is drawn at another resolution than the one asked for (a system without
// per-monitor frames), the client area comes out off by the difference: the window grows or
// shrinks by it.
void WindowLayout::fitClientArea()
{
    RECT client {};
    RECT window {};
    GetClientRect(m_handles.window, &client);
    GetWindowRect(m_handles.window, &window);
    const int width = pixels(m_description.clientWidth) - client.right;
    const int height = pixels(m_description.clientHeight) - client.bottom;
    if (width != 0 || height != 0)
        SetWindowPos(m_handles.window, nullptr, 0, 0, window.right - window.left + width,
            window.bottom - window.top + height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace platform
