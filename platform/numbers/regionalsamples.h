// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/regionalsettings.h"

#include <string>
#include <string_view>

namespace platform {

// What a front end asks its own platform (QLocale, GetLocaleInfoEx, Intl.NumberFormat) about
// how the user writes numbers: the symbols, and how digits are grouped, either shown in a long
// whole number the platform wrote ("1.111.111.111") or, where the platform states it, as
// Windows' grouping pattern ("3;2;0").
struct RegionalSamples {
    std::u16string decimalSeparator;
    std::u16string groupSeparator;
    std::u16string minusSign;
    std::u16string plusSign;
    NegativeForm negativeForm = NegativeForm::LeadingSign;
    std::u16string writtenNumber;
    std::u16string groupingPattern;
};

// The program's regional settings from a platform's samples, by one rule on every front end:
// - the symbols are the platform's (a missing decimal separator, minus or plus is ".", "-" or
//   "+"), and digits are grouped only where the platform names a group separator;
// - the group sizes are those of the written number from the right, the last group, then the one
//   before it where that differs, the last size repeating; or those of the pattern;
// - grouping starts as soon as a number has more digits than its first group, whatever the
//   language: 1.701 in Italian and Spanish alike, as Windows writes.
RegionalSettings regionalSettingsFrom(const RegionalSamples& samples);

} // namespace platform
