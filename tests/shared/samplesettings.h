// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/regionalsettings.h"

// Regional settings as the programs write them for a few regions, as plain values.
namespace samples {

using platform::RegionalSettings;

inline const RegionalSettings C {};
inline const RegionalSettings Italian { u",", u".", u"-", u"+", {}, { 3 } };
inline const RegionalSettings UsEnglish { u".", u",", u"-", u"+", {}, { 3 } };
inline const RegionalSettings SwissGerman { u".", u"\u2019", u"-", u"+", {}, { 3 } };
inline const RegionalSettings Indian { u".", u",", u"-", u"+", {}, { 3, 2 } };
inline const RegionalSettings Spanish { u",", u".", u"-", u"+", {}, { 3 } };
inline const RegionalSettings French { u",", u"\u202f", u"-", u"+", {}, { 3 } };

} // namespace samples
