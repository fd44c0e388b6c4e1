// SPDX-License-Identifier: MIT
#include "platform/web/browserregionalsettings.h"

#include "platform/regionalsamples.h"
#include "platform/utf8.h"
#include "platform/web/pagebridge.h"

#include <string>

namespace platform {

RegionalSettings browserRegionalSettings()
{
    const auto text = [](const char* name) { return utf16FromUtf8(page::read(name)); };
    RegionalSamples samples;
    samples.decimalSeparator = text("decimal");
    samples.groupSeparator = text("group");
    samples.minusSign = text("minus");
    samples.plusSign = text("plus");
    const std::string negative = page::read("negative");
    samples.negativeForm = negative == "trailing" ? NegativeForm::TrailingSign
        : negative == "trailingSpace"             ? NegativeForm::TrailingSpaceSign
        : negative == "leadingSpace"              ? NegativeForm::LeadingSignSpace
                                                  : NegativeForm::LeadingSign;
    samples.writtenNumber = text("writtenNumber");
    return regionalSettingsFrom(samples);
}

} // namespace platform
