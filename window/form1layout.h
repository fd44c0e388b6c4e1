// SPDX-License-Identifier: MIT
#pragma once

#include "platform/gui/windowdescription.h"

// The window Form1 as it is before any code runs: its controls, texts, geometry in twips,
// fonts, tabs and focus order.
const platform::WindowDescription& form1Layout();
