// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace platform {

// Positions and sizes in twips: 1/1440 inch, 15 to a logical pixel at 96 dpi.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int TwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

// Twips at a resolution in dots per inch: twips × dpi ÷ 1440, halves rounded away from zero as
// Windows' MulDiv rounds them. At 96 dpi every length of the window is a whole number of pixels.
constexpr int pixelsAt(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long rounded = ((scaled < 0 ? -scaled : scaled) + TwipsPerInch / 2) / TwipsPerInch;
    return int(scaled < 0 ? -rounded : rounded);
}

constexpr PixelRect pixelsAt(const TwipsRect& twips, int dpi)
{
    return { pixelsAt(twips.left, dpi), pixelsAt(twips.top, dpi), pixelsAt(twips.width, dpi),
        pixelsAt(twips.height, dpi) };
}

// The resolution at which a logical pixel is one pixel.
inline constexpr int LogicalDpi = TwipsPerInch / TwipsPerPixel;

enum class ControlKind { Label, TextBox, ComboBox, CommandButton };

struct FontDescription {
    std::u16string_view family;
    int pointSize = 0;
    bool bold = false;
};

// The window itself, or one page of the tab control.
inline constexpr int OnWindow = -1;

struct ControlDescription {
    std::u16string_view name;
    ControlKind kind = ControlKind::Label;
    int tab = OnWindow; // positions on a tab are measured from the tab control's corner
    TwipsRect geometry;
    std::u16string_view text;
    int focusOrder = 0;
    std::u16string_view captionOf
        = {}; // for a label: the control it names, also for screen readers
    std::u16string_view accessibleDescription = {};
    const FontDescription* font = nullptr; // the window's font when null
};

struct TabControlDescription {
    std::u16string_view name;
    TwipsRect geometry;
    std::span<const std::u16string_view> captions;
    std::span<const std::u16string_view> spokenCaptions; // what a screen reader says for each tab
    int initialTab = 0;
    int focusOrder = 0;
};

struct WindowDescription {
    std::u16string_view caption;
    int clientWidth = 0; // twips
    int clientHeight = 0; // twips
    TabControlDescription tabControl;
    std::span<const ControlDescription> controls;
    // The font the window's controls have unless they name their own: the original platform's
    // default. A desktop whose toolkit has a default font of its own (Qt's) keeps that one.
    FontDescription font;
};

// Where a control stands in the window's client area: a control on a tab is placed from the
// tab control's corner.
constexpr TwipsRect placeInWindow(
    const WindowDescription& window, const ControlDescription& control)
{
    const TwipsRect& origin = control.tab == OnWindow ? TwipsRect {} : window.tabControl.geometry;
    return { origin.left + control.geometry.left, origin.top + control.geometry.top,
        control.geometry.width, control.geometry.height };
}

// A control of a window, as its place in the window's description.
struct ControlId {
    std::size_t index = 0;
};

// The control of that name, checked while compiling: a name that is not in the table, or names
// a control of another kind, does not compile.
template<std::size_t Count>
consteval ControlId findControl(const std::array<ControlDescription, Count>& controls,
    std::u16string_view name, std::initializer_list<ControlKind> kinds)
{
    for (std::size_t i = 0; i < Count; ++i) {
        if (controls[i].name != name)
            continue;
        for (const ControlKind kind : kinds) {
            if (controls[i].kind == kind)
                return ControlId { i };
        }
        throw "this control is not of the kind its use needs";
    }
    throw "no control of this name";
}

} // namespace platform
