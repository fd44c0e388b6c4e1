// SPDX-License-Identifier: MIT
// Prints where each control of the window stands in its client area at a resolution, from the
// layout table, for the scripts that click the window on a virtual display:
//     control-places [DPI]        (96 when not given)
// One line each, "NAME LEFT TOP WIDTH HEIGHT" in pixels, then each tab of the tab control as
// "SSTab1.N": the top of its share of the strip.
#include "window/form1layout.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The part of the strip every front end draws a tab in, at any font.
constexpr int tabStripTwips = 300;

void print(const std::string& name, const platform::PixelRect& place)
{
    std::printf("%s %d %d %d %d\n", name.c_str(), place.left, place.top, place.width, place.height);
}

std::string ascii(std::u16string_view text)
{
    return std::string(text.begin(), text.end());
}

} // namespace

int main(int argc, char** argv)
{
    const int dpi = argc > 1 ? std::atoi(argv[1]) : platform::LogicalDpi;
    if (dpi <= 0) {
        std::fprintf(stderr, "usage: control-places [DPI]\n");
        return 2;
    }
    const platform::WindowDescription& window = form1::Layout;
    for (const platform::ControlDescription& control : window.controls)
        print(
            ascii(control.name), platform::pixelsAt(platform::placeInWindow(window, control), dpi));

    const platform::TwipsRect& strip = window.tabControl.geometry;
    const int tabs = int(window.tabControl.captions.size());
    for (int i = 0; i < tabs; ++i) {
        const platform::TwipsRect tab { strip.left + strip.width * i / tabs, strip.top,
            strip.width / tabs, tabStripTwips };
        print(
            ascii(window.tabControl.name) + "." + std::to_string(i), platform::pixelsAt(tab, dpi));
    }
    return 0;
}
