// SPDX-License-Identifier: MIT
#include "platform/formatnumber.h"

#include "platform/regionalsettings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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

    // The largest double has 309 integer digits, all of them exact at precision 0; whole
    // numbers that fit 64 bits take the much quicker integer conversion.
    std::array<char, 320> buffer {};
    const double magnitude = std::fabs(whole);
    [[maybe_unused]] const auto [end, error] = magnitude < 0x1p63
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::uint64_t(magnitude))
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                        std::chars_format::fixed, 0);
    Q_ASSERT(error == std::errc());
    const int digits = int(end - buffer.data());

    const bool grouped = settings.groupsDigits() && digits >= settings.minimumGroupedDigits;
    int separators = 0;
    for (int i = 1; grouped && i < digits; ++i)
        separators += startsGroup(digits - i, settings);

    // Written in place: one allocation for the whole text.
    const QString& minus = whole < 0 ? settings.minusSign : QString();
    QString text(minus.size() + digits + separators * settings.groupSeparator.size(),
                 Qt::Uninitialized);
    QChar* out = std::copy(minus.cbegin(), minus.cend(), text.data());
    for (int i = 0; i < digits; ++i) {
        if (grouped && i > 0 && startsGroup(digits - i, settings))
            out = std::copy(settings.groupSeparator.cbegin(), settings.groupSeparator.cend(), out);
        *out++ = QLatin1Char(buffer[std::size_t(i)]);
    }
    return text;
}

QString FormatNumber(double value)
{
    return FormatNumber(value, currentRegionalSettings());
}

} // namespace platform
