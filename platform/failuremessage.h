// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

class RuntimeError;

// The short Italian sentence that tells the user why a request could not be computed.
QString failureMessage(const RuntimeError& error);

// For a failure the program did not foresee.
QString failureMessage();

} // namespace platform
