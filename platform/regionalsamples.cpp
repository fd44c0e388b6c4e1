// SPDX-License-Identifier: MIT
#include "platform/regionalsamples.h"

#include <algorithm>

namespace platform {

namespace {

// Windows states each size as one digit; a hand-edited registry value may hold a long run of
// them, which is no grouping rather than an overflow.
constexpr int largestGroupSize = 9;

// "3;0" repeats groups of three, "3;2;0" is Indian, "3" groups only once; anything else groups
// nothing.
void readGroupingPattern(std::u16string_view pattern, RegionalSettings& settings)
{
    settings.lastGroupRepeats = false;
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t end = std::min(pattern.find(u';', start), pattern.size());
        int size = 0;
        for (std::size_t i = start; i < end; ++i) {
            if (pattern[i] < u'0' || pattern[i] > u'9') {
                settings.groupSizes.clear();
                return;
            }
            size = size * 10 + (pattern[i] - u'0');
            if (size > largestGroupSize) {
                settings.groupSizes.clear();
                return;
            }
        }
        if (size == 0) {
            // A trailing 0 repeats the size before it; a leading one means no grouping.
            settings.lastGroupRepeats = !settings.groupSizes.empty() && end == pattern.size();
            return;
        }
        settings.groupSizes.push_back(size);
        start = end + 1;
    }
}

// Digits outside the Basic Multilingual Plane take two UTF-16 units each: sizes count code
// points.
int codePoints(std::u16string_view text)
{
    return int(std::count_if(
        text.begin(), text.end(), [](char16_t c) { return c < 0xDC00 || c > 0xDFFF; }));
}

void readWrittenNumber(std::u16string_view written, RegionalSettings& settings)
{
    std::vector<int> groups;
    for (std::size_t start = 0;;) {
        const std::size_t end = written.find(settings.groupSeparator, start);
        groups.push_back(codePoints(written.substr(start, end - start)));
        if (end == std::u16string_view::npos)
            break;
        start = end + settings.groupSeparator.size();
    }
    if (groups.size() < 2)
        return;
    const int least = groups.back();
    const int higher = groups.size() > 2 ? groups[groups.size() - 2] : least;
    settings.groupSizes
        = least == higher ? std::vector<int> { least } : std::vector<int> { least, higher };
    settings.lastGroupRepeats = true;
}

} // namespace

RegionalSettings regionalSettingsFrom(const RegionalSamples& samples)
{
    RegionalSettings settings;
    if (!samples.decimalSeparator.empty())
        settings.decimalSeparator = samples.decimalSeparator;
    if (!samples.minusSign.empty())
        settings.minusSign = samples.minusSign;
    if (!samples.plusSign.empty())
        settings.plusSign = samples.plusSign;
    settings.negativeForm = samples.negativeForm;
    if (samples.groupSeparator.empty())
        return settings;
    settings.groupSeparator = samples.groupSeparator;
    if (!samples.writtenNumber.empty())
        readWrittenNumber(samples.writtenNumber, settings);
    else
        readGroupingPattern(samples.groupingPattern, settings);
    if (settings.groupSizes.empty())
        settings.groupSeparator.clear();
    return settings;
}

} // namespace platform
