// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace platform {

struct RegionalSettings;

// A finite double as a whole number laid out by the regional settings: rounded half away
// from zero on the exact value, every digit written in ASCII, grouped and signed as the
// settings say, with no decimal part. A value that rounds to zero is "0".
std::u16string FormatNumber(double value, const RegionalSettings& settings);
std::u16string FormatNumber(double value);

} // namespace platform
