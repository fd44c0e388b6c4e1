// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <optional>
#include <string_view>
#include <vector>

// What a keyboard user and a screen reader meet in a window, worked out from its description
// once for every front end.
namespace platform {

// A place the focus stops at: the tab strip, or one of the described controls.
struct FocusStop {
    std::optional<ControlId> control; // none: the tab control's strip

    bool isTabStrip() const { return !control.has_value(); }
    bool operator==(const FocusStop& other) const
    {
        return isTabStrip() == other.isTabStrip()
            && (isTabStrip() || control->index == other.control->index);
    }
};

// The tab strip and every input, in the window's focus order: those on the window and on
// every tab, or, given a tab, only those the user can reach while it is in front.
std::vector<FocusStop> focusChain(
    const WindowDescription& window, std::optional<int> frontTab = std::nullopt);

// The stop Tab (or Shift+Tab) moves to from this one; from a place outside the chain, the first.
FocusStop nextFocusStop(
    const std::vector<FocusStop>& chain, std::optional<FocusStop> from, bool backwards);

// The label that captions a control, for the keyboard and for screen readers; none where no
// label names it.
std::optional<ControlId> labelOf(const WindowDescription& window, ControlId control);

// The keys that switch tabs from anywhere in the window: Ctrl+Tab and Ctrl+PgDn to the next,
// Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round the ends.
enum class NavigationKey { Tab, PageDown, PageUp, Other };
int tabAfterKey(int frontTab, int tabCount, NavigationKey key, bool control, bool shift);

} // namespace platform
