// SPDX-License-Identifier: MIT
#include "platform/numbers/regionalsettings.h"

namespace platform {

namespace {

RegionalSettings& storedSettings()
{
    static RegionalSettings settings;
    return settings;
}

} // namespace

bool RegionalSettings::separatorBefore(std::size_t digitsToTheRight, std::size_t digits) const
{
    if (!groupsDigits() || digitsToTheRight == 0 || digitsToTheRight >= digits)
        return false;
    std::size_t boundary = 0;
    for (const int size : groupSizes) {
        if (size <= 0)
            return false;
        boundary += std::size_t(size);
        if (boundary == digitsToTheRight)
            return true;
        if (boundary > digitsToTheRight)
            return false;
    }
    if (!lastGroupRepeats)
        return false;
    return (digitsToTheRight - boundary) % std::size_t(groupSizes.back()) == 0;
}

const RegionalSettings& currentRegionalSettings()
{
    return storedSettings();
}

void setCurrentRegionalSettings(const RegionalSettings& settings)
{
    storedSettings() = settings;
}

} // namespace platform
