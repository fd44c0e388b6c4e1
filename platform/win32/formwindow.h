// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/formcontrols.h"
#include "platform/form/startprogram.h"
#include "platform/win32/formhandles.h"
#include "platform/win32/keyboardfocus.h"
#include "platform/win32/windowlayout.h"

#include <windows.h>

#include <vector>

namespace platform {

// The window could not be registered or created; the system's error code says why.
struct WindowNotCreated {
    DWORD error = 0;
};

// A top-level Win32 window built from its description, over which a form's procedures run:
// the window and its messages. Controls of a tab are siblings laid over the tab control, shown
// while their tab is selected. Its layout at a resolution and its keyboard are rooms of their
// own.
class FormWindow final : public FormControls {
public:
    FormWindow(const WindowDescription& description, const FormFactory& createForm);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    std::u16string text(ControlId control) const override;
    void setText(ControlId control, std::u16string_view text) override;
    void appendListEntry(ControlId comboBox, std::u16string_view entry) override;

    // Raises the load event, shows the window and delivers its events until it is closed.
    int run();

    HWND handle() const { return m_handles.window; }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void create();
    void showTab(int tab);
    void click(HWND button);
    HBRUSH labelBackground(HDC context, HWND label) const;

    const WindowDescription& m_description;
    FormHandles m_handles;
    WindowLayout m_layout;
    KeyboardFocus m_keyboard;
    bool m_comInitialised = false;
    FormEvents m_events;
};

} // namespace platform
