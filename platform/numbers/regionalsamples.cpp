// SPDX-License-Identifier: MIT
#include "platform/numbers/regionalsamples.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

namespace {

// Windows states each size as one digit; a hand-edited registry value may hold a long run of
// them, which is no grouping rather than an overflow.
constexpr int largestGroupSize = 9;

// One size of a grouping pattern: a number of digits, 0 included.
std::optional<int> groupSize(std::u16string_view field)
{
    if (field.empty())
        return std::nullopt;
    int size = 0;
    for (const char16_t c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        size = size * 10 + (c - u'0');
        if (size > largestGroupSize)
            return std::nullopt;
    }
    return size;
}

// Sizes from the right between semicolons, a final 0 repeating the size before it: "3;0"
// repeats groups of three, "3;2;0" is Indian, "3" groups only once and "3;2" twice. Anything
// else groups nothing: "0", an empty size ("3;", "3;;0"), a 0 before the end ("3;0;2").
void readGroupingPattern(std::u16string_view pattern, RegionalSettings& settings)
{
    std::vector<int> sizes;
    bool repeats = false;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(pattern.find(u';', start), pattern.size());
        const std::optional<int> size = groupSize(pattern.substr(start, end - start));
        const bool last = end == pattern.size();
        if (!size || (*size == 0 && (!last || sizes.empty())))
            return;
        if (*size == 0) {
            repeats = true;
            break;
        }
        sizes.push_back(*size);
        if (last)
            break;
        start = end + 1;
    }
    settings.groupSizes = std::move(sizes);
    settings.lastGroupRepeats = repeats;
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
