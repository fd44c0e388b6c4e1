// SPDX-License-Identifier: MIT
#include "platform/form/windowdescription.h"
#include "testsupport.h"
#include "window/form1layout.h"

using platform::PixelRect;
using platform::pixelsAt;

namespace doctest {
template<>
struct StringMaker<PixelRect> {
    static String convert(const PixelRect& r)
    {
        return (std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width)
            + "x" + std::to_string(r.height))
            .c_str();
    }
};
} // namespace doctest

// Every front end places the window's controls by this one conversion: Qt and the page at 96
// dpi, Windows at the screen's.
TEST_CASE("Twips become pixels as Windows' MulDiv makes them")
{
    const struct {
        const char* tag;
        int twips;
        int dpi;
        int expected;
    } rows[] = {
        { "exact at 96", 1695, 96, 113 },
        { "a half rounds up", 855, 144, 86 },
        { "below a half rounds down", 854, 144, 85 },
        { "double size", 7455, 192, 994 },
        { "a negative half rounds away from zero", -855, 144, -86 },
        { "zero", 0, 144, 0 },
        { "past 32 bits on the way", 2'000'000'000, 192, 266'666'667 },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(pixelsAt(row.twips, row.dpi) == row.expected);
    }
}

TEST_CASE("Controls on a tab are placed from the tab control's corner")
{
    const platform::WindowDescription& window = form1::Layout;
    const auto place = [&](std::size_t index, int dpi) {
        return pixelsAt(platform::placeInWindow(window, window.controls[index]), dpi);
    };
    const std::size_t header = 0;
    const std::size_t text8 = form1::field(u"Text8").index;
    CHECK(place(header, 96) == PixelRect { 32, 8, 497, 33 });
    CHECK(place(text8, 96) == PixelRect { 96, 120, 113, 19 });
    CHECK(place(text8, 144) == PixelRect { 144, 180, 170, 29 });
    CHECK(place(text8, 192) == PixelRect { 192, 240, 226, 38 });
}
