// SPDX-License-Identifier: MIT
#include "platform/win32/keyboardfocus.h"

#include <commctrl.h>

#include <utility>

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

bool isPushButton(HWND control)
{
    wchar_t name[16] {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Button") == 0
        && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
}

} // namespace

KeyboardFocus::KeyboardFocus(const WindowDescription& description, const FormHandles& handles,
    std::function<void(int tab)> showTab)
    : m_description(description)
    , m_handles(handles)
    , m_showTab(std::move(showTab))
{ }

int KeyboardFocus::frontTab() const
{
    return int(SendMessageW(m_handles.tabControl, TCM_GETCURSEL, 0, 0));
}

HWND KeyboardFocus::windowOf(const FocusStop& stop) const
{
    return stop.isTabStrip() ? m_handles.tabControl : m_handles.controls[stop.control->index];
}

HWND KeyboardFocus::firstStop() const
{
    const std::vector<FocusStop> chain = focusChain(m_description, frontTab());
    return chain.empty() ? m_handles.window : windowOf(chain.front());
}

bool KeyboardFocus::handleKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_CHAR)
        return false;
    if (!IsChild(m_handles.window, message.hwnd) && message.hwnd != m_handles.window)
        return false;
    const WPARAM key = message.wParam;
    if (message.message == WM_CHAR)
        return key == L'\r' || key == L'\x1b' || key == L'\t';

    // Neither button is a default one, but Enter presses the one with the focus, as in a
    // dialog; elsewhere Enter and Escape do nothing, unless they close a combo box's list.
    const HWND focus = focusedControl(m_handles.window);
    if (key == VK_RETURN && isPushButton(focus)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return true;
    }
    if (key == VK_RETURN || key == VK_ESCAPE)
        return !comboListOpen(focus);
    NavigationKey navigation = NavigationKey::Other;
    if (key == VK_TAB)
        navigation = NavigationKey::Tab;
    else if (key == VK_NEXT)
        navigation = NavigationKey::PageDown;
    else if (key == VK_PRIOR)
        navigation = NavigationKey::PageUp;
    const int front = frontTab();
    const int next
        = tabAfterKey(front, int(SendMessageW(m_handles.tabControl, TCM_GETITEMCOUNT, 0, 0)),
            navigation, pressed(VK_CONTROL), pressed(VK_SHIFT));
    if (next != front) {
        m_showTab(next);
        SetFocus(m_handles.tabControl);
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

void KeyboardFocus::showKeyboardCues()
{
    SendMessageW(m_handles.window, WM_CHANGEUISTATE,
        MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

void KeyboardFocus::start()
{
    m_focusBeforeDeactivation = firstStop();
    SetFocus(m_focusBeforeDeactivation);
}

void KeyboardFocus::remember()
{
    if (const HWND focus = focusedControl(m_handles.window))
        m_focusBeforeDeactivation = focus;
}

void KeyboardFocus::restore()
{
    if (IsWindow(m_focusBeforeDeactivation) && IsWindowVisible(m_focusBeforeDeactivation))
        SetFocus(m_focusBeforeDeactivation);
    else
        SetFocus(firstStop());
}

void KeyboardFocus::moveFocus(bool backwards)
{
    const HWND focus = focusedControl(m_handles.window);
    std::optional<FocusStop> from;
    if (focus == m_handles.tabControl)
        from = FocusStop {};
    for (std::size_t i = 0; i < m_handles.controls.size(); ++i) {
        if (m_handles.controls[i] == focus)
            from = FocusStop { ControlId { i } };
    }
    const FocusStop to = nextFocusStop(focusChain(m_description, frontTab()), from, backwards);
    const HWND target = windowOf(to);
    SetFocus(target);
    // As in a dialog, a text reached by the keyboard is selected whole (each kind of control
    // takes the message that is its own and ignores the other).
    SendMessageW(target, EM_SETSEL, 0, -1);
    SendMessageW(target, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

} // namespace platform
