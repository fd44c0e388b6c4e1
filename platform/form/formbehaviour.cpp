// SPDX-License-Identifier: MIT
#include "platform/form/formbehaviour.h"

#include <algorithm>

namespace platform {

std::vector<FocusStop> focusChain(const WindowDescription& window, std::optional<int> frontTab)
{
    std::vector<std::pair<int, FocusStop>> stops { { window.tabControl.focusOrder, {} } };
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlDescription& control = window.controls[i];
        const bool reachable = !frontTab || control.tab == OnWindow || control.tab == *frontTab;
        if (control.kind != ControlKind::Label && reachable)
            stops.emplace_back(control.focusOrder, FocusStop { ControlId { i } });
    }
    // Iterator algorithms, not ranges: the browser build's C++ library has none of those.
    std::stable_sort(
        stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<FocusStop> chain;
    for (const auto& [order, stop] : stops)
        chain.push_back(stop);
    return chain;
}

FocusStop nextFocusStop(
    const std::vector<FocusStop>& chain, std::optional<FocusStop> from, bool backwards)
{
    const auto at = from ? std::find(chain.begin(), chain.end(), *from) : chain.end();
    if (at == chain.end())
        return chain.front();
    const std::ptrdiff_t count = std::ptrdiff_t(chain.size());
    const std::ptrdiff_t next = ((at - chain.begin()) + (backwards ? -1 : 1) + count) % count;
    return chain[std::size_t(next)];
}

std::optional<ControlId> labelOf(const WindowDescription& window, ControlId control)
{
    const std::u16string_view name = window.controls[control.index].name;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (window.controls[i].kind == ControlKind::Label && window.controls[i].captionOf == name)
            return ControlId { i };
    }
    return std::nullopt;
}

int tabAfterKey(int frontTab, int tabCount, NavigationKey key, bool control, bool shift)
{
    int step = 0;
    if (control && key == NavigationKey::Tab)
        step = shift ? -1 : 1;
    else if (control && key == NavigationKey::PageDown)
        step = 1;
    else if (control && key == NavigationKey::PageUp)
        step = -1;
    if (tabCount < 1)
        return frontTab;
    return (frontTab + step + tabCount) % tabCount;
}

} // namespace platform
