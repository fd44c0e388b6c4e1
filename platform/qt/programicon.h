// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace platform {

// The program's icon set, compiled into the program (16 to 128 pixels).
QIcon programIcon();

} // namespace platform
