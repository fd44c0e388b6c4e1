// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace platform {

// The correctly rounded double of a plain decimal text: an optional sign, digits with at most
// one ".", and an optional exponent ("e", a sign, digits). Whatever the process's locale, and
// in time bounded by the length of the text however many digits it has. Values below the
// smallest double are zero. Throws RuntimeError(Overflow) beyond the largest double.
double nearestDouble(std::string_view text);

} // namespace platform
