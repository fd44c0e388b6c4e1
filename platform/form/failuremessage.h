// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace platform {

class RuntimeError;

// The short Italian sentence that tells the user why a request could not be computed.
std::u16string_view failureMessage(const RuntimeError& error);

// For a failure the program did not foresee.
std::u16string_view failureMessage();

} // namespace platform
