// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <windows.h>

namespace platform {

// The font a description names, made at this resolution in the best face the system has for
// it. The caller owns it.
HFONT createFont(const FontDescription& font, int dpi);

// Whether the system draws this font from outlines (TrueType or OpenType), smooth at any size.
bool isOutlineFont(HFONT font);

} // namespace platform
