// SPDX-License-Identifier: MIT
#pragma once

#include "platform/formcontrols.h"
#include "platform/startprogram.h"

#include <windows.h>

#include <vector>

namespace platform {

// The window could not be registered or created; the system's error code says why.
struct WindowNotCreated {
    DWORD error = 0;
};

// A top-level Win32 window built from its description, over which a form's procedures run.
// Controls of a tab are siblings laid over the tab control, shown while their tab is selected.
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

    HWND handle() const { return m_window; }

private:
    struct Control {
        HWND window = nullptr;
        int tab = OnWindow;
        int focusOrder = 0;
        bool focusable = false;
    };

    // Fixed size: no sizing border, no maximise box.
    static constexpr DWORD windowStyle
        = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void create();
    void createControls();
    // Places and sizes the window and its controls, and sets their fonts, at the window's
    // resolution; where the system suggests a place for the window, there.
    void layOut(const RECT* suggested = nullptr);
    void fitClientArea();
    std::vector<HWND> controlWindows() const;
    void showTab(int tab);
    void click(HWND button);
    HBRUSH labelBackground(HDC context, HWND label) const;
    bool handleKey(const MSG& message);
    void rememberFocus();
    void restoreFocus();
    // Focus rectangles and the buttons' focus cue, shown once the keyboard is used.
    void showKeyboardCues();
    void moveFocus(bool backwards);
    int pixels(int twips) const;
    // The font a control asks for, made at the window's resolution the first time it is asked.
    HFONT fontOf(const ControlDescription& control);

    const WindowDescription& m_description;
    HWND m_window = nullptr;
    HWND m_tabControl = nullptr;
    std::vector<Control> m_controls;
    HFONT m_font = nullptr;
    // The fonts of the controls that name one of their own, by their description.
    std::vector<std::pair<const FontDescription*, HFONT>> m_ownFonts;
    int m_dpi = 96;
    HWND m_focusBeforeDeactivation = nullptr;
    bool m_comInitialised = false;
    // The tab strip's height as the tab control chose it for its font, and at what resolution.
    int m_tabStripHeight = 0;
    int m_tabStripDpi = 96;
    FormEvents m_events;
};

} // namespace platform
