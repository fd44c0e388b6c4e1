// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

namespace platform {

// Runs one event procedure to completion. A failure it raises ends the procedure where it
// stands; the sentence that tells the user why comes back, empty when it succeeded.
std::u16string_view runProcedure(const std::function<void()>& procedure) noexcept;

} // namespace platform
