// SPDX-License-Identifier: MIT
// The window's geometry and fonts at its resolution: twips × dots per inch ÷ 1440.
#include "platform/win32/dpi.h"
#include "platform/win32/formwindow.h"
#include "platform/win32/widetext.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

HFONT createFont(std::u16string_view family, int pointSize, bool bold, int dpi)
{
    return CreateFontW(-MulDiv(pointSize, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_SWISS, wide(family).c_str());
}

} // namespace

HFONT FormWindow::fontOf(const ControlDescription& control)
{
    if (!control.font)
        return m_font;
    const auto known = std::ranges::find(
        m_ownFonts, control.font, &std::pair<const FontDescription*, HFONT>::first);
    if (known != m_ownFonts.end())
        return known->second;
    const FontDescription& font = *control.font;
    return m_ownFonts
        .emplace_back(control.font, createFont(font.family, font.pointSize, font.bold, m_dpi))
        .second;
}

int FormWindow::pixels(int twips) const
{
    return pixelsAt(twips, m_dpi);
}

void FormWindow::layOut(const RECT* suggested)
{
    const HFONT oldFont = m_font;
    const auto oldOwnFonts = std::exchange(m_ownFonts, {});
    const FontDescription& font = m_description.font;
    m_font = createFont(font.family, font.pointSize, font.bold, m_dpi);

    const TabControlDescription& tabs = m_description.tabControl;
    const TwipsRect& area = tabs.geometry;
    SendMessageW(m_tabControl, WM_SETFONT, WPARAM(m_font), FALSE);
    SetWindowPos(m_tabControl, nullptr, pixels(area.left), pixels(area.top), pixels(area.width),
        pixels(area.height), SWP_NOZORDER | SWP_NOACTIVATE);
    // The tabs share the strip's width, as the Linux window's do, less the few pixels the
    // strip keeps free at its ends (more, and it scrolls).
    // Its height is the control's own choice for its font, measured before the first fixed
    // size; once sized it keeps any height it is given, so at another resolution it is scaled.
    if (m_tabStripHeight == 0) {
        RECT tabRect {};
        SendMessageW(m_tabControl, TCM_GETITEMRECT, 0, LPARAM(&tabRect));
        m_tabStripHeight = tabRect.bottom - tabRect.top;
        m_tabStripDpi = m_dpi;
    }
    const int tabWidth = (pixels(area.width) - 2 * systemMetricAtDpi(SM_CXEDGE, UINT(m_dpi)) - 2)
        / int(std::max<std::size_t>(1, tabs.captions.size()));
    SendMessageW(m_tabControl, TCM_SETITEMSIZE, 0,
        MAKELPARAM(tabWidth, MulDiv(m_tabStripHeight, m_dpi, m_tabStripDpi)));

    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlDescription& description = m_description.controls[i];
        const PixelRect place = pixelsAt(placeInWindow(m_description, description), m_dpi);
        int height = place.height;
        if (description.kind == ControlKind::ComboBox)
            height *= 8; // the edit part and the dropped-down list
        SetWindowPos(m_controls[i].window, nullptr, place.left, place.top, place.width, height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(m_controls[i].window, WM_SETFONT, WPARAM(fontOf(description)), TRUE);
    }
    DeleteObject(oldFont);
    for (const auto& [font, handle] : oldOwnFonts)
        DeleteObject(handle);

    RECT frame { 0, 0, pixels(m_description.clientWidth), pixels(m_description.clientHeight) };
    adjustWindowRectAtDpi(frame, windowStyle, 0, UINT(m_dpi));
    if (suggested)
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, frame.right - frame.left,
            frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
}

// Where the frame is drawn at another resolution than the one asked for (a system without
// per-monitor frames), the client area comes out off by the difference: the window grows or
// shrinks by it.
void FormWindow::fitClientArea()
{
    RECT client {};
    RECT window {};
    GetClientRect(m_window, &client);
    GetWindowRect(m_window, &window);
    const int width = pixels(m_description.clientWidth) - client.right;
    const int height = pixels(m_description.clientHeight) - client.bottom;
    if (width != 0 || height != 0)
        SetWindowPos(m_window, nullptr, 0, 0, window.right - window.left + width,
            window.bottom - window.top + height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace platform
