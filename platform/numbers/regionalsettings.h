// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// Where a negative number's sign goes, as the regional settings say.
enum class NegativeForm {
    LeadingSign, // -1.701
    LeadingSignSpace, // - 1.701
    TrailingSign, // 1.701-
    TrailingSpaceSign, // 1.701 -
    Parentheses, // (1.701)
};

// How the user's regional settings write numbers: the separators, the signs and the sizes of
// the digit groups.
struct RegionalSettings {
    std::u16string decimalSeparator = u".";
    std::u16string groupSeparator;
    std::u16string minusSign = u"-";
    std::u16string plusSign = u"+";
    NegativeForm negativeForm = NegativeForm::LeadingSign;
    // Digits in each group, from the right; empty means digits are never grouped.
    std::vector<int> groupSizes;
    // Whether the last size repeats to the left ("3;0" on Windows) or grouping stops there.
    bool lastGroupRepeats = true;

    bool groupsDigits() const { return !groupSizes.empty() && !groupSeparator.empty(); }

    // Whether a number of `digits` whole digits has a group separator before the digit that
    // starts the last `digitsToTheRight` of them.
    bool separatorBefore(std::size_t digitsToTheRight, std::size_t digits) const;

    bool operator==(const RegionalSettings&) const = default;
};

// The settings the number operations use unless they are given others. Until a front end sets
// the user's own, they are the C settings: a point, no grouping.
const RegionalSettings& currentRegionalSettings();
void setCurrentRegionalSettings(const RegionalSettings& settings);

} // namespace platform
