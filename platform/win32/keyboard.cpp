// SPDX-License-Identifier: MIT
// The keys a Windows dialog user expects, in the window's own focus order: Tab and Shift+Tab
// move through the tab strip and the controls of the selected tab, Ctrl+Tab and
// Ctrl+PgDn/PgUp switch tabs, and Enter and Esc do nothing (neither button is a default one).
#include "platform/win32/formwindow.h"

#include "platform/formbehaviour.h"

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
    NavigationKey navigation = NavigationKey::Other;
    if (key == VK_TAB)
        navigation = NavigationKey::Tab;
    else if (key == VK_NEXT)
        navigation = NavigationKey::PageDown;
    else if (key == VK_PRIOR)
        navigation = NavigationKey::PageUp;
    const int front = int(SendMessageW(m_tabControl, TCM_GETCURSEL, 0, 0));
    const int next = tabAfterKey(front, int(SendMessageW(m_tabControl, TCM_GETITEMCOUNT, 0, 0)),
        navigation, pressed(VK_CONTROL), pressed(VK_SHIFT));
    if (next != front) {
        showTab(next);
        SetFocus(m_tabControl);
        showKeyboardCues();
        return true;
    }
    if (key == VK_TAB) {
        moveFocus(pressed(VK_SHIFT));
        showKeyboardCues();
        return true;
    }
    return false;
}

void FormWindow::showKeyboardCues()
{
    SendMessageW(
        m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

void FormWindow::rememberFocus()
{
    if (const HWND focus = focusedControl(m_window))
        m_focusBeforeDeactivation = focus;
}

void FormWindow::restoreFocus()
{
    if (IsWindow(m_focusBeforeDeactivation) && IsWindowVisible(m_focusBeforeDeactivation))
        SetFocus(m_focusBeforeDeactivation);
    else
        SetFocus(m_tabControl);
}

void FormWindow::moveFocus(bool backwards)
{
    const int tab = int(SendMessageW(m_tabControl, TCM_GETCURSEL, 0, 0));
    const HWND focus = focusedControl(m_window);
    std::optional<FocusStop> from;
    if (focus == m_tabControl)
        from = FocusStop {};
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].window == focus)
            from = FocusStop { ControlId { i } };
    }
    const FocusStop to = nextFocusStop(focusChain(m_description, tab), from, backwards);
    const HWND target = to.isTabStrip() ? m_tabControl : m_controls[to.control->index].window;
    SetFocus(target);
    // As in a dialog, a text reached by the keyboard is selected whole (each kind of control
    // takes the message that is its own and ignores the other).
    SendMessageW(target, EM_SETSEL, 0, -1);
    SendMessageW(target, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

} // namespace platform
