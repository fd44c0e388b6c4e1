// SPDX-License-Identifier: MIT
#include "platform/formatnumber.h"

#include "platform/regionalsettings.h"

#include <array>
#include <charconv>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

// Whether a group separator goes before the digit that starts the last `digitsToTheRight`.
bool startsGroup(int digitsToTheRight, const RegionalSettings& settings)
{
    const int beyondLeast = digitsToTheRight - settings.leastGroupSize;
    return beyondLeast == 0 || (beyondLeast > 0 && beyondLeast % settings.higherGroupSize == 0);
}

} // namespace

QString FormatNumber(double value, const RegionalSettings& settings)
{
    Q_ASSERT(std::isfinite(value));
    const double whole = std::round(value);
    if (whole == 0.0)
        return u"0"_s;

    // The largest double has 309 integer digits; precision 0 gives all of them exactly.
    std::array<char, 320> buffer {};
    [[maybe_unused]] const auto [end, error] = std::to_chars(buffer.data(),
        buffer.data() + buffer.size(), std::fabs(whole), std::chars_format::fixed, 0);
    Q_ASSERT(error == std::errc());
    const int digits = int(end - buffer.data());

    const bool grouped = settings.groupsDigits() && digits >= settings.minimumGroupedDigits;
    QString text = whole < 0 ? settings.minusSign : QString();
    text.reserve(text.size() + digits * (1 + settings.groupSeparator.size()));
    for (int i = 0; i < digits; ++i) {
        if (grouped && i > 0 && startsGroup(digits - i, settings))
            text += settings.groupSeparator;
        text += QLatin1Char(buffer[std::size_t(i)]);
    }
    return text;
}

QString FormatNumber(double value)
{
    return FormatNumber(value, currentRegionalSettings());
}

} // namespace platform
