// SPDX-License-Identifier: MIT
#include "platform/web/browserregionalsettings.h"

#include "platform/numbers/regionalsamples.h"
#include "platform/numbers/utf8.h"
#include "platform/web/pagebridge.h"

#include <algorithm>
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
    // The engines' locale data disagree on Swiss German's group separator: WebKit, with the
    // system's older data, has the right single quotation mark where Chromium, Firefox and
    // Windows have the apostrophe. The page writes the apostrophe in every engine, and reads
    // both.
    if (samples.groupSeparator == u"\u2019") {
        samples.groupSeparator = u"'";
        std::replace(samples.writtenNumber.begin(), samples.writtenNumber.end(), u'\u2019', u'\'');
    }
    return regionalSettingsFrom(samples);
}

} // namespace platform
