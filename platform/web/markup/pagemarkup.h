// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <string>

// The window as the page's HTML and style sheet, written when the page is built, so that a
// browser draws it before the program has arrived. The page's script then takes over the
// elements as they are: each control is the element named as the control, its place in the
// window's description in data-control.
namespace platform {

// The window's caption, as the page's title.
std::string pageTitle(const WindowDescription& window);

// The elements of the window, in the window's focus order, and the descriptions screen readers
// read; they go inside the page's main landmark.
std::string windowMarkup(const WindowDescription& window);

// The style sheet's rules that place each element and give it its font: at 96 pixels to the
// inch, and at 120 (a display set to 125 %) where the screen is wide enough for that; on a
// phone, the order in which the elements stand one under the other.
std::string windowPlaces(const WindowDescription& window);

// The screens on which the window's controls stand one under the other (a media query):
// narrower than the window, or a touch screen whose short side is.
std::string phoneScreen(const WindowDescription& window);

} // namespace platform
