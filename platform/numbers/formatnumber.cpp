// SPDX-License-Identifier: MIT
#include "platform/numbers/formatnumber.h"

#include "platform/numbers/regionalsettings.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace platform {

namespace {

void appendGrouped(std::u16string& text, std::string_view digits, const RegionalSettings& settings)
{
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && settings.separatorBefore(digits.size() - i, digits.size()))
            text += settings.groupSeparator;
        text.push_back(char16_t(digits[i]));
    }
}

// Half away from zero, on the exact value. Not std::round: MinGW's adds one half and floors,
// which turns 0.49999999999999994 into 1. Taking off the whole part is exact.
double roundHalfAwayFromZero(double value)
{
    const double whole = std::trunc(value);
    return std::fabs(value - whole) >= 0.5 ? whole + std::copysign(1.0, value) : whole;
}

// The decimal digits of a whole number: those that fit 64 bits by the quicker integer
// conversion, the others exactly at precision 0 (by the C library's where the standard library
// has no floating-point conversion, as in the browser build).
std::string_view wholeDigits(double magnitude, std::array<char, 320>& buffer)
{
    if (magnitude < 0x1p63) {
        const auto end
            = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::uint64_t(magnitude))
                  .ptr;
        return { buffer.data(), std::size_t(end - buffer.data()) };
    }
#if defined(__cpp_lib_to_chars)
    const auto end = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, 0)
                         .ptr;
    return { buffer.data(), std::size_t(end - buffer.data()) };
#else
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.0f", magnitude);
    return { buffer.data(), std::size_t(length) };
#endif
}

} // namespace

std::u16string FormatNumber(double value, const RegionalSettings& settings)
{
    assert(std::isfinite(value));
    const double whole = roundHalfAwayFromZero(value);
    if (whole == 0.0)
        return u"0";

    // The largest double has 309 integer digits, all of them exact at precision 0; whole
    // numbers that fit 64 bits take the much quicker integer conversion.
    std::array<char, 320> buffer {};
    const double magnitude = std::fabs(whole);
    const std::string_view digits = wholeDigits(magnitude, buffer);

    std::u16string text;
    text.reserve(digits.size() * (1 + settings.groupSeparator.size()) + 4);
    if (whole > 0) {
        appendGrouped(text, digits, settings);
        return text;
    }
    switch (settings.negativeForm) {
    case NegativeForm::LeadingSign:
        text += settings.minusSign;
        appendGrouped(text, digits, settings);
        break;
    case NegativeForm::LeadingSignSpace:
        text += settings.minusSign;
        text.push_back(u' ');
        appendGrouped(text, digits, settings);
        break;
    case NegativeForm::TrailingSign:
        appendGrouped(text, digits, settings);
        text += settings.minusSign;
        break;
    case NegativeForm::TrailingSpaceSign:
        appendGrouped(text, digits, settings);
        text.push_back(u' ');
        text += settings.minusSign;
        break;
    case NegativeForm::Parentheses:
        text.push_back(u'(');
        appendGrouped(text, digits, settings);
        text += u')';
        break;
    }
    return text;
}

std::u16string FormatNumber(double value)
{
    return FormatNumber(value, currentRegionalSettings());
}

} // namespace platform
