// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The correctly rounded double of ±digits × 10^exponent, whatever the process's locale, in
// time bounded by the number of digits however many there are. Values below the smallest
// double are zero. Throws RuntimeError(Overflow) beyond the largest double.
double nearestDouble(bool negative, std::string_view digits, std::int64_t exponent);

// The same for a whole number written in hexadecimal digits.
double nearestDoubleOfHexadecimal(std::string_view digits);

} // namespace platform
