// SPDX-License-Identifier: MIT
// The keys a Windows dialog user expects, in the window's own focus order: Tab and Shift+Tab
// move through the tab strip and the controls of the selected tab, Ctrl+Tab and
// Ctrl+PgDn/PgUp switch tabs, and Enter and Esc do nothing (neither button is a default one).
#include "platform/win32/formwindow.h"

#include <commctrl.h>

#include <algorithm>

namespace platform {

namespace {

bool pressed(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// The control that has the focus: a combo box's edit part stands for its combo box.
HWND focusedControl(HWND window)
{
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != window)
        focus = GetParent(focus);
    return focus;
}

bool comboListOpen(HWND control)
{
    wchar_t name[16] {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"ComboBox") == 0 && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0);
}

} // namespace

bool FormWindow::handleKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR)
        return false;
    if (!IsChild(m_window, message.hwnd) && message.hwnd != m_window)
        return false;
    const WPARAM key = message.wParam;
    if (message.message == WM_CHAR)
        return key == L'\r' || key == L'\x1b' || key == L'\t';

    if (key == VK_RETURN || key == VK_ESCAPE)
        return !comboListOpen(focusedControl(m_window));
    const int tabs = int(SendMessageW(m_tabControl, TCM_GETITEMCOUNT, 0, 0));
    int step = 0;
    if (pressed(VK_CONTROL) && key == VK_TAB)
        step = pressed(VK_SHIFT) ? -1 : 1;
    else if (pressed(VK_CONTROL) && (key == VK_NEXT || key == VK_PRIOR))
        step = key == VK_NEXT ? 1 : -1;
    if (step != 0 && tabs > 0) {
        const int current = int(SendMessageW(m_tabControl, TCM_GETCURSEL, 0, 0));
        showTab((current + step + tabs) % tabs);
        SetFocus(m_tabControl);
        return true;
    }
    if (key == VK_TAB) {
        moveFocus(pressed(VK_SHIFT));
        return true;
    }
    return false;
}

void FormWindow::moveFocus(bool backwards)
{
    const int tab = int(SendMessageW(m_tabControl, TCM_GETCURSEL, 0, 0));
    std::vector<std::pair<int, HWND>> order { { m_description.tabControl.focusOrder,
        m_tabControl } };
    for (const Control& control : m_controls) {
        if (control.focusable && (control.tab == OnWindow || control.tab == tab))
            order.emplace_back(control.focusOrder, control.window);
    }
    std::ranges::sort(order);

    const HWND focus = focusedControl(m_window);
    const auto at = std::ranges::find(order, focus, &std::pair<int, HWND>::second);
    const std::ptrdiff_t count = std::ptrdiff_t(order.size());
    std::ptrdiff_t next = at == order.end() ? 0 : (at - order.begin()) + (backwards ? -1 : 1);
    next = (next + count) % count;
    const HWND target = order[std::size_t(next)].second;
    SetFocus(target);
    // As in a dialog, a text reached by the keyboard is selected whole (each kind of control
    // takes the message that is its own and ignores the other).
    SendMessageW(target, EM_SETSEL, 0, -1);
    SendMessageW(target, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

} // namespace platform
