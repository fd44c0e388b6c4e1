// SPDX-License-Identifier: MIT
#include "platform/web/browserregionalsettings.h"

#include "platform/web/pagebridge.h"
#include "platform/utf8.h"

#include <string>

namespace platform {

RegionalSettings browserRegionalSettings()
{
    const auto text = [](const char* name) { return utf16FromUtf8(page::read(name)); };
    RegionalSettings settings;
    settings.decimalSeparator = text("decimal");
    settings.groupSeparator = text("group");
    settings.minusSign = text("minus");
    settings.plusSign = text("plus");
    const std::string negative = page::read("negative");
    settings.negativeForm = negative == "trailing" ? NegativeForm::TrailingSign
        : negative == "trailingSpace"              ? NegativeForm::TrailingSpaceSign
        : negative == "leadingSpace"               ? NegativeForm::LeadingSignSpace
                                                   : NegativeForm::LeadingSign;
    // Sizes from the right, as "3,2".
    const std::string sizes = page::read("groupSizes");
    for (std::size_t at = 0; at < sizes.size();) {
        const std::size_t comma = std::min(sizes.find(',', at), sizes.size());
        settings.groupSizes.push_back(std::stoi(sizes.substr(at, comma - at)));
        at = comma + 1;
    }
    settings.lastGroupRepeats = true;
    // Grouping starts at four digits, as the desktop programs write in every language here
    // (1.701 in Italian), where browsers differ among themselves and from the desktops.
    settings.minimumGroupedDigits = 4;
    return settings;
}

} // namespace platform
