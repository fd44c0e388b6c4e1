// SPDX-License-Identifier: MIT
#pragma once

#include "platform/win32/formhandles.h"
#include "platform/form/windowdescription.h"

#include <utility>
#include <vector>

namespace platform {

// The window's geometry and fonts at its resolution: twips × dots per inch ÷ 1440, and every
// font made at that resolution. It owns the fonts it makes.
class WindowLayout {
public:
    using OwnFonts = std::vector<std::pair<const FontDescription*, HFONT>>;

    WindowLayout(const WindowDescription& description, const FormHandles& handles);
    ~WindowLayout();
    WindowLayout(const WindowLayout&) = delete;
    WindowLayout& operator=(const WindowLayout&) = delete;

    // Places and sizes the window and its controls, and sets their fonts, at this resolution;
    // where the system suggests a place for the window, there.
    void layOut(int dpi, const RECT* suggested = nullptr);

private:
    void placeTabControl();
    void fitClientArea();
    int pixels(int twips) const;
    // The font a control asks for, made at the window's resolution the first time it is asked.
    HFONT fontOf(const ControlDescription& control);

    const WindowDescription& m_description;
    const FormHandles& m_handles;
    int m_dpi = 96;
    HFONT m_font = nullptr;
    // The fonts of the controls that name one of their own, by their description.
    OwnFonts m_ownFonts;
    // The tab strip's height as the tab control chose it for its font, and at what resolution.
    int m_tabStripHeight = 0;
    int m_tabStripDpi = 96;
};

} // namespace platform
