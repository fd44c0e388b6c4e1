// SPDX-License-Identifier: MIT
#pragma once

#include "platform/regionalsettings.h"

#include <string_view>

namespace platform {

// Windows' digit grouping ("3;0" repeats groups of three, "3;2;0" is Indian, "3" groups only
// once) as group sizes.
void readWindowsGrouping(std::u16string_view grouping, RegionalSettings& settings);

// Windows' negative number format (LOCALE_INEGNUMBER, 0 to 4).
NegativeForm negativeFormOfWindows(int format);

// The user's, as Windows keeps them (GetLocaleInfoEx of the user's default locale).
RegionalSettings userRegionalSettings();

} // namespace platform
