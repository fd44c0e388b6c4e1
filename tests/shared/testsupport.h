// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/utf8.h"

#include <doctest/doctest.h>

#include <cstdint>
#include <string>
#include <string_view>

// Texts in failure reports: UTF-16 as UTF-8.
namespace doctest {
template<>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string& text)
    {
        return ('"' + platform::utf8FromUtf16(text) + '"').c_str();
    }
};
} // namespace doctest

// A unit of text written this many times.
inline std::u16string repeated(std::u16string_view unit, std::size_t times)
{
    std::u16string text;
    text.reserve(unit.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += unit;
    return text;
}

// Doubles compare bit for bit here, so that -0 and 0 differ too.
inline bool sameDouble(double a, double b)
{
    return __builtin_bit_cast(std::uint64_t, a) == __builtin_bit_cast(std::uint64_t, b);
}

#define CHECK_EXACTLY(actual, expected)                                                            \
    do {                                                                                           \
        const double actualValue = (actual);                                                       \
        const double expectedValue = (expected);                                                   \
        CAPTURE(actualValue);                                                                      \
        CAPTURE(expectedValue);                                                                    \
        CHECK(sameDouble(actualValue, expectedValue));                                             \
    } while (false)
