// SPDX-License-Identifier: MIT
// The window's geometry and fonts at its resolution: twips × dots per inch ÷ 1440.
#include "platform/win32/formwindow.h"
#include "platform/win32/widetext.h"

#include <commctrl.h>

#include <algorithm>

namespace platform {

namespace {

HFONT createFont(std::u16string_view family, int pointSize, bool bold, int dpi)
{
    return CreateFontW(-MulDiv(pointSize, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_SWISS, wide(family).c_str());
}

} // namespace

int FormWindow::pixels(int twips) const
{
    return MulDiv(twips, m_dpi, TwipsPerInch);
}

void FormWindow::layOut(const RECT* suggested)
{
    const HFONT oldFont = m_font;
    const HFONT oldHeaderFont = m_headerFont;
    m_font = createFont(u"MS Sans Serif", 8, false, m_dpi);
    m_headerFont = nullptr;

    const TabControlDescription& tabs = m_description.tabControl;
    const TwipsRect& area = tabs.geometry;
    SendMessageW(m_tabControl, WM_SETFONT, WPARAM(m_font), FALSE);
    SetWindowPos(m_tabControl, nullptr, pixels(area.left), pixels(area.top), pixels(area.width),
        pixels(area.height), SWP_NOZORDER | SWP_NOACTIVATE);
    // The tabs share the strip's width, as the Linux window's do, less the few pixels the
    // strip keeps free at its ends (more, and it scrolls).
    RECT tabRect {};
    SendMessageW(m_tabControl, TCM_GETITEMRECT, 0, LPARAM(&tabRect));
    const int tabWidth
        = (pixels(area.width) - 2 * GetSystemMetricsForDpi(SM_CXEDGE, UINT(m_dpi)) - 2)
        / int(std::max<std::size_t>(1, tabs.captions.size()));
    SendMessageW(
        m_tabControl, TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth, tabRect.bottom - tabRect.top));

    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlDescription& description = m_description.controls[i];
        const int left = description.tab == OnWindow ? 0 : area.left;
        const int top = description.tab == OnWindow ? 0 : area.top;
        int height = pixels(description.geometry.height);
        if (description.kind == ControlKind::ComboBox)
            height *= 8; // the edit part and the dropped-down list
        SetWindowPos(m_controls[i].window, nullptr, pixels(left + description.geometry.left),
            pixels(top + description.geometry.top), pixels(description.geometry.width), height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = m_font;
        if (description.font) {
            if (!m_headerFont)
                m_headerFont = createFont(description.font->family, description.font->pointSize,
                    description.font->bold, m_dpi);
            font = m_headerFont;
        }
        SendMessageW(m_controls[i].window, WM_SETFONT, WPARAM(font), TRUE);
    }
    DeleteObject(oldFont);
    DeleteObject(oldHeaderFont);

    RECT frame { 0, 0, pixels(m_description.clientWidth), pixels(m_description.clientHeight) };
    AdjustWindowRectExForDpi(&frame, windowStyle, FALSE, 0, UINT(m_dpi));
    if (suggested)
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, frame.right - frame.left,
            frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace platform
