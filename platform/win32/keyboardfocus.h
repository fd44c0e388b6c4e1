// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/formbehaviour.h"
#include "platform/win32/formhandles.h"

#include <functional>

namespace platform {

// The keys a Windows dialog user expects, in the window's own focus order: Tab and Shift+Tab
// move through the tab strip and the controls of the selected tab, Ctrl+Tab and
// Ctrl+PgDn/PgUp switch tabs, and Enter and Esc do nothing (neither button is a default one).
// The focus leaves with the window and comes back with it, as the dialog manager does.
class KeyboardFocus {
public:
    KeyboardFocus(const WindowDescription& description, const FormHandles& handles,
        std::function<void(int tab)> showTab);

    // Whether the key was the window's to handle, and was handled.
    bool handleKey(const MSG& message);
    // The focus on the first stop of the front tab's chain, as the window starts.
    void start();
    void remember();
    void restore();

private:
    int frontTab() const;
    HWND windowOf(const FocusStop& stop) const;
    HWND firstStop() const;
    void moveFocus(bool backwards);
    // Focus rectangles and the buttons' focus cue, shown once the keyboard is used.
    void showKeyboardCues();

    const WindowDescription& m_description;
    const FormHandles& m_handles;
    std::function<void(int tab)> m_showTab;
    HWND m_focusBeforeDeactivation = nullptr;
};

} // namespace platform
