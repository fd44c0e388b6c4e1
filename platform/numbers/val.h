// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace platform {

struct RegionalSettings;

// Reads the number a text holds; never fails on what the text says, and yields 0 where it
// holds no number. Blanks, tabs and line breaks are ignored wherever they stand, but where the
// settings group with a space a blank between digits may separate groups. A number written as
// the regional settings write numbers (their decimal separator, correctly placed group
// separators, their form of a negative number) is read that way; anything else by the
// classic rules: a sign, digits with one "." and an exponent (E or D), or an &H / &O integer,
// up to the first character that cannot continue the number.
// Throws RuntimeError(Overflow) for a number beyond the range of a double.
double Val(std::u16string_view text, const RegionalSettings& settings);
double Val(std::u16string_view text);

} // namespace platform
