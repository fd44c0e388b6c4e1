// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/regionalsettings.h"

namespace platform {

// Windows' negative number format (LOCALE_INEGNUMBER, 0 to 4).
NegativeForm negativeFormOfWindows(int format);

// The user's, as Windows keeps them (GetLocaleInfoEx of the user's default locale).
RegionalSettings userRegionalSettings();

} // namespace platform
