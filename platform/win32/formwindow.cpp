// SPDX-License-Identifier: MIT
#include "platform/win32/formwindow.h"

#include "platform/form/eventdispatch.h"
#include "platform/win32/controlwindows.h"
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
constexpr int programIcon = 1;

// Whether the desktop draws themed controls. UxTheme is no KnownDLL, so it is not imported but
// loaded from System32 alone: one planted beside the program is never run.
bool appThemed()
{
    static auto* const isAppThemed
        = functionOf<BOOL WINAPI()>(loadSystemLibrary(L"uxtheme.dll"), "IsAppThemed");
    return isAppThemed && isAppThemed();
}

} // namespace

FormWindow::FormWindow(const WindowDescription& description, const FormFactory& createForm)
    : m_description(description)
    , m_layout(description, m_handles)
    , m_keyboard(description, m_handles, [this](int tab) { showTab(tab); })
{
    create();
    m_events = createForm(*this);
}

FormWindow::~FormWindow()
{
    clearScreenReaderNames(m_description, m_handles.tabControl, m_handles.controls);
    if (IsWindow(m_handles.window))
        DestroyWindow(m_handles.window);
    if (m_comInitialised)
        CoUninitialize();
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

    m_handles.window = CreateWindowExW(0, windowClass, wide(m_description.caption).c_str(),
        formWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!m_handles.window)
        throw WindowNotCreated(GetLastError());
    createControlWindows(m_description, m_handles);
    m_layout.layOut(int(windowDpi(m_handles.window)));
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    annotateForScreenReaders(m_description, m_handles.tabControl, m_handles.controls);
}

std::u16string FormWindow::text(ControlId control) const
{
    const HWND window = m_handles.controls.at(control.index);
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return utf16(text);
}

void FormWindow::setText(ControlId control, std::u16string_view text)
{
    SetWindowTextW(m_handles.controls.at(control.index), wide(text).c_str());
}

void FormWindow::appendListEntry(ControlId comboBox, std::u16string_view entry)
{
    // Without CBS_SORT the entry goes to the end; the edit text stays as it is.
    SendMessageW(
        m_handles.controls.at(comboBox.index), CB_ADDSTRING, 0, LPARAM(wide(entry).c_str()));
}

void FormWindow::showTab(int tab)
{
    SendMessageW(m_handles.tabControl, TCM_SETCURSEL, WPARAM(tab), 0);
    for (std::size_t i = 0; i < m_handles.controls.size(); ++i) {
        const int controlTab = m_description.controls[i].tab;
        if (controlTab != OnWindow)
            ShowWindow(m_handles.controls[i], controlTab == tab ? SW_SHOWNA : SW_HIDE);
    }
    InvalidateRect(m_handles.window, nullptr, TRUE);
}

void FormWindow::click(HWND button)
{
    for (const auto& [id, procedure] : m_events.clicks) {
        if (m_handles.controls.at(id.index) != button)
            continue;
        const std::u16string_view failure = runProcedure(procedure);
        if (!failure.empty())
            MessageBoxW(m_handles.window, wide(failure).c_str(),
                wide(m_description.caption).c_str(), MB_OK | MB_ICONWARNING);
    }
}

// A label on a tab stands on the tab's body: white where the desktop draws themed tabs, the
// face colour where it draws classic ones.
HBRUSH FormWindow::labelBackground(HDC context, HWND label) const
{
    const auto control = std::ranges::find(m_handles.controls, label);
    const bool onTab = control != m_handles.controls.end()
        && m_description.controls[std::size_t(control - m_handles.controls.begin())].tab
            != OnWindow;
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
    if (form && form->m_handles.window == window)
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
        if (reinterpret_cast<const NMHDR*>(l)->hwndFrom == m_handles.tabControl
            && reinterpret_cast<const NMHDR*>(l)->code == UINT(TCN_SELCHANGE))
            showTab(int(SendMessageW(m_handles.tabControl, TCM_GETCURSEL, 0, 0)));
        return 0;
    case WM_DPICHANGED:
        // Moved to a screen of another resolution: the same layout at the new one.
        m_layout.layOut(HIWORD(w), reinterpret_cast<const RECT*>(l));
        return 0;
    case WM_ACTIVATE:
        // As the dialog manager does: the focus leaves with the window and comes back with it,
        // after a message box as after the user switched to another program.
        if (LOWORD(w) == WA_INACTIVE)
            m_keyboard.remember();
        else if (!HIWORD(w))
            m_keyboard.restore();
        return 0;
    case WM_SETFOCUS:
        m_keyboard.restore();
        return 0;
    case WM_SYSCOLORCHANGE:
        // The common controls learn of new system colours only from their parent.
        SendMessageW(m_handles.tabControl, WM_SYSCOLORCHANGE, w, l);
        for (const HWND control : m_handles.controls)
            SendMessageW(control, WM_SYSCOLORCHANGE, w, l);
        InvalidateRect(m_handles.window, nullptr, TRUE);
        return 0;
    case WM_SETTINGCHANGE:
        // The user changed the regional settings: the next request reads and writes by them.
        if (l != 0 && lstrcmpiW(reinterpret_cast<const wchar_t*>(l), L"intl") == 0)
            setCurrentRegionalSettings(userRegionalSettings());
        return DefWindowProcW(m_handles.window, message, w, l);
    case WM_CTLCOLORSTATIC:
        return LRESULT(labelBackground(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)));
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(m_handles.window, message, w, l);
    }
}

int FormWindow::run()
{
    if (const std::u16string_view failure = runProcedure(m_events.load); !failure.empty())
        MessageBoxW(nullptr, wide(failure).c_str(), wide(m_description.caption).c_str(),
            MB_OK | MB_ICONWARNING);
    showTab(m_description.tabControl.initialTab);
    ShowWindow(m_handles.window, SW_SHOWDEFAULT);
    UpdateWindow(m_handles.window);
    m_keyboard.start();

    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (m_keyboard.handleKey(message) || IsDialogMessageW(m_handles.window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

} // namespace platform
