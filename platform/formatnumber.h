// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

struct RegionalSettings;

// A finite double as a whole number laid out by the regional settings: rounded half away
// from zero on the exact value, every digit written, grouped and signed as the settings
// say, with no decimal part. A value that rounds to zero is "0".
QString FormatNumber(double value, const RegionalSettings& settings);
QString FormatNumber(double value);

} // namespace platform
