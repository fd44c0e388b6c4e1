// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/regionalsettings.h"

namespace platform {

// The regional settings of the browser's first language, as the page reads them from its
// number formats (ConvertitorePage.regionalSettings).
RegionalSettings browserRegionalSettings();

} // namespace platform
