// SPDX-License-Identifier: MIT
#include "platform/win32/formwindow.h"

#include "platform/eventdispatch.h"
#include "platform/win32/dpi.h"
#include "platform/win32/screenreadernames.h"
#include "platform/win32/systemlibrary.h"
#include "platform/win32/widetext.h"
#include "platform/win32/win32regionalsettings.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <string>

namespace platform {

namespace {

constexpr wchar_t windowClass[] = L"ConvertitorePixelCmForm";
// Below 100 an id could be taken for IDOK or IDCANCEL by the dialog keys.
constexpr int firstControlId = 100;
constexpr int programIcon = 1;

// Whether the desktop draws themed controls. UxTheme is no KnownDLL, so it is not imported but
// loaded from System32 alone: one planted beside the program is never run.
bool appThemed()
{
    static auto* const isAppThemed
        = functionOf<BOOL WINAPI()>(loadSystemLibrary(L"uxtheme.dll"), "IsAppThemed");
    return isAppThemed && isAppThemed();
}

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

} // namespace

FormWindow::FormWindow(const WindowDescription& description, const FormFactory& createForm)
    : m_description(description)
{
    create();
    m_events = createForm(*this);
}

FormWindow::~FormWindow()
{
    clearScreenReaderNames(m_description, m_tabControl, controlWindows());
    if (IsWindow(m_window))
        DestroyWindow(m_window);
    if (m_comInitialised)
        CoUninitialize();
    DeleteObject(m_font);
    for (const auto& [description, font] : m_ownFonts)
        DeleteObject(font);
}

void FormWindow::create()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const INITCOMMONCONTROLSEX classes { sizeof(INITCOMMONCONTROLSEX),
        ICC_TAB_CLASSES | ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&classes);

    WNDCLASSEXW windowClassInfo {};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.lpfnWndProc = windowProcedure;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(programIcon));
    windowClassInfo.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(programIcon),
        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClassInfo.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClassInfo.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClassInfo.lpszClassName = windowClass;
    if (!RegisterClassExW(&windowClassInfo) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw WindowNotCreated(GetLastError());

    m_window = CreateWindowExW(0, windowClass, wide(m_description.caption).c_str(), windowStyle,
        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!m_window)
        throw WindowNotCreated(GetLastError());
    m_dpi = int(windowDpi(m_window));
    createControls();
    layOut();
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    annotateForScreenReaders(m_description, m_tabControl, controlWindows());
}

void FormWindow::createControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const TabControlDescription& tabs = m_description.tabControl;
    m_tabControl = CreateWindowExW(0, WC_TABCONTROLW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH, 0, 0, 0, 0, m_window,
        reinterpret_cast<HMENU>(INT_PTR(firstControlId - 1)), instance, nullptr);
    for (std::size_t i = 0; i < tabs.captions.size(); ++i) {
        std::wstring caption = wide(tabs.captions[i]);
        TCITEMW item {};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(m_tabControl, TCM_INSERTITEMW, i, LPARAM(&item));
    }

    for (std::size_t i = 0; i < m_description.controls.size(); ++i) {
        const ControlDescription& description = m_description.controls[i];
        const DWORD exStyle = description.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0;
        const HWND control
            = CreateWindowExW(exStyle, classOf(description.kind), wide(description.text).c_str(),
                WS_CHILD | WS_CLIPSIBLINGS | styleOf(description.kind), 0, 0, 0, 0, m_window,
                reinterpret_cast<HMENU>(INT_PTR(firstControlId + int(i))), instance, nullptr);
        if (description.kind == ControlKind::TextBox)
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        if (description.kind == ControlKind::ComboBox) {
            SendMessageW(control, CB_LIMITTEXT, 0, 0);
            SetWindowTextW(control, wide(description.text).c_str());
        }
        if (description.tab == OnWindow)
            ShowWindow(control, SW_SHOWNA);
        m_controls.push_back({ control, description.tab, description.focusOrder,
            description.kind != ControlKind::Label });
    }

    // Painting and the dialog keys go by the z-order: the inputs in focus order on top, the
    // labels under them, the tab control under all.
    std::vector<Control> byFocus = m_controls;
    std::ranges::stable_sort(byFocus, [](const Control& a, const Control& b) {
        return a.focusable != b.focusable ? a.focusable : a.focusOrder < b.focusOrder;
    });
    HWND above = HWND_TOP;
    for (const Control& control : byFocus) {
        SetWindowPos(control.window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control.window;
    }
    SetWindowPos(m_tabControl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<HWND> FormWindow::controlWindows() const
{
    std::vector<HWND> windows;
    for (const Control& control : m_controls)
        windows.push_back(control.window);
    return windows;
}

std::u16string FormWindow::text(ControlId control) const
{
    const HWND window = m_controls.at(control.index).window;
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return utf16(text);
}

void FormWindow::setText(ControlId control, std::u16string_view text)
{
    SetWindowTextW(m_controls.at(control.index).window, wide(text).c_str());
}

void FormWindow::appendListEntry(ControlId comboBox, std::u16string_view entry)
{
    // Without CBS_SORT the entry goes to the end; the edit text stays as it is.
    SendMessageW(
        m_controls.at(comboBox.index).window, CB_ADDSTRING, 0, LPARAM(wide(entry).c_str()));
}

void FormWindow::showTab(int tab)
{
    SendMessageW(m_tabControl, TCM_SETCURSEL, WPARAM(tab), 0);
    for (const Control& control : m_controls) {
        if (control.tab != OnWindow)
            ShowWindow(control.window, control.tab == tab ? SW_SHOWNA : SW_HIDE);
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

void FormWindow::click(HWND button)
{
    for (const auto& [id, procedure] : m_events.clicks) {
        if (m_controls.at(id.index).window != button)
            continue;
        const std::u16string_view failure = runProcedure(procedure);
        if (!failure.empty())
            MessageBoxW(m_window, wide(failure).c_str(), wide(m_description.caption).c_str(),
                MB_OK | MB_ICONWARNING);
    }
}

// A label on a tab stands on the tab's body: white where the desktop draws themed tabs, the
// face colour where it draws classic ones.
HBRUSH FormWindow::labelBackground(HDC context, HWND label) const
{
    const auto control = std::ranges::find(m_controls, label, &Control::window);
    const bool onTab = control != m_controls.end() && control->tab != OnWindow;
    // The text colour is the one the system pairs with that background, as a high-contrast
    // theme sets both.
    const bool onWindowColour = onTab && appThemed();
    const int background = onWindowColour ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(context, GetSysColor(background));
    SetTextColor(context, GetSysColor(onWindowColour ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    return GetSysColorBrush(background);
}

LRESULT CALLBACK FormWindow::windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(creation->lpCreateParams));
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form && form->m_window == window)
        return form->handle(message, w, l);
    return DefWindowProcW(window, message, w, l);
}

LRESULT FormWindow::handle(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED && l != 0)
            click(reinterpret_cast<HWND>(l));
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(l)->hwndFrom == m_tabControl
            && reinterpret_cast<const NMHDR*>(l)->code == UINT(TCN_SELCHANGE))
            showTab(int(SendMessageW(m_tabControl, TCM_GETCURSEL, 0, 0)));
        return 0;
    case WM_DPICHANGED:
        // Moved to a screen of another resolution: the same layout at the new one.
        m_dpi = HIWORD(w);
        layOut(reinterpret_cast<const RECT*>(l));
        return 0;
    case WM_ACTIVATE:
        // As the dialog manager does: the focus leaves with the window and comes back with it,
        // after a message box as after the user switched to another program.
        if (LOWORD(w) == WA_INACTIVE)
            rememberFocus();
        else if (!HIWORD(w))
            restoreFocus();
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_SYSCOLORCHANGE:
        // The common controls learn of new system colours only from their parent.
        SendMessageW(m_tabControl, WM_SYSCOLORCHANGE, w, l);
        for (const Control& control : m_controls)
            SendMessageW(control.window, WM_SYSCOLORCHANGE, w, l);
        InvalidateRect(m_window, nullptr, TRUE);
        return 0;
    case WM_SETTINGCHANGE:
        // The user changed the regional settings: the next request reads and writes by them.
        if (l != 0 && lstrcmpiW(reinterpret_cast<const wchar_t*>(l), L"intl") == 0)
            setCurrentRegionalSettings(userRegionalSettings());
        return DefWindowProcW(m_window, message, w, l);
    case WM_CTLCOLORSTATIC:
        return LRESULT(labelBackground(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)));
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_window, message, w, l);
    }
}

int FormWindow::run()
{
    if (const std::u16string_view failure = runProcedure(m_events.load); !failure.empty())
        MessageBoxW(nullptr, wide(failure).c_str(), wide(m_description.caption).c_str(),
            MB_OK | MB_ICONWARNING);
    showTab(m_description.tabControl.initialTab);
    ShowWindow(m_window, SW_SHOWDEFAULT);
    UpdateWindow(m_window);
    SetFocus(m_tabControl);
    m_focusBeforeDeactivation = m_tabControl;

    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (handleKey(message) || IsDialogMessageW(m_window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

} // namespace platform
