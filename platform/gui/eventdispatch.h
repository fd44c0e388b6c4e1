// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

namespace platform {

// Runs one event procedure to completion. A failure it raises ends the procedure where it
// stands; the user is told in a warning box over `window`, and the program goes on.
void deliverEvent(QWidget* window, const std::function<void()>& procedure);

} // namespace platform
