// SPDX-License-Identifier: MIT
#include "platform/win32/controlwindows.h"

#include "platform/form/formbehaviour.h"
#include "platform/win32/widetext.h"

#include <commctrl.h>

#include <string>

namespace platform {

namespace {

// Below 100 an id could be taken for IDOK or IDCANCEL by the dialog keys.
constexpr int firstControlId = 100;

const wchar_t* classOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return L"STATIC";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::ComboBox:
        return L"COMBOBOX";
    case ControlKind::CommandButton:
        return L"BUTTON";
    }
    return L"STATIC";
}

DWORD styleOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
    case ControlKind::TextBox:
        return WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    case ControlKind::ComboBox:
        return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    case ControlKind::CommandButton:
        return WS_TABSTOP | BS_PUSHBUTTON;
    }
    return 0;
}

// Painting and the dialog keys go by the z-order: the inputs on top in the window's focus
// order, the labels under them, the tab control under all.
void stackControlWindows(const WindowDescription& description, const FormHandles& handles)
{
    std::vector<HWND> order;
    for (const FocusStop& stop : focusChain(description)) {
        if (!stop.isTabStrip())
            order.push_back(handles.controls[stop.control->index]);
    }
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        if (description.controls[i].kind == ControlKind::Label)
            order.push_back(handles.controls[i]);
    }
    HWND above = HWND_TOP;
    for (const HWND control : order) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    SetWindowPos(
        handles.tabControl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace

void createControlWindows(const WindowDescription& description, FormHandles& handles)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const TabControlDescription& tabs = description.tabControl;
    handles.tabControl = CreateWindowExW(0, WC_TABCONTROLW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH, 0, 0, 0, 0,
        handles.window, reinterpret_cast<HMENU>(INT_PTR(firstControlId - 1)), instance, nullptr);
    for (std::size_t i = 0; i < tabs.captions.size(); ++i) {
        std::wstring caption = wide(tabs.captions[i]);
        TCITEMW item {};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(handles.tabControl, TCM_INSERTITEMW, i, LPARAM(&item));
    }

    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        const ControlDescription& control = description.controls[i];
        const DWORD exStyle = control.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0;
        const HWND window
            = CreateWindowExW(exStyle, classOf(control.kind), wide(control.text).c_str(),
                WS_CHILD | WS_CLIPSIBLINGS | styleOf(control.kind), 0, 0, 0, 0, handles.window,
                reinterpret_cast<HMENU>(INT_PTR(firstControlId + int(i))), instance, nullptr);
        if (control.kind == ControlKind::TextBox)
            SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
        if (control.kind == ControlKind::ComboBox) {
            SendMessageW(window, CB_LIMITTEXT, 0, 0);
            SetWindowTextW(window, wide(control.text).c_str());
        }
        if (control.tab == OnWindow)
            ShowWindow(window, SW_SHOWNA);
        handles.controls.push_back(window);
    }
    stackControlWindows(description, handles);
}

} // namespace platform
