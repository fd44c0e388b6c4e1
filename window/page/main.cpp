// SPDX-License-Identifier: MIT
// Prints a part of the page that draws the window, from the layout table, when the page is built:
//     page-markup title | window | places | phone-screen
// the page's title, the window's elements, the style sheet's rules that place them, or the media
// query of the screens that show them one under the other.
#include "platform/web/markup/pagemarkup.h"
#include "window/form1layout.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view part = argc == 2 ? argv[1] : "";
    std::string text;
    if (part == "title")
        text = platform::pageTitle(form1::Layout);
    else if (part == "window")
        text = platform::windowMarkup(form1::Layout);
    else if (part == "places")
        text = platform::windowPlaces(form1::Layout);
    else if (part == "phone-screen")
        text = platform::phoneScreen(form1::Layout);
    else {
        std::fprintf(stderr, "usage: page-markup title | window | places | phone-screen\n");
        return 2;
    }
    // Under Node the last line is printed only once it ends.
    std::printf("%s\n", text.c_str());
    return 0;
}
