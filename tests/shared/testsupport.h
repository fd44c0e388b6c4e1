// SPDX-License-Identifier: MIT
#pragma once

#include <doctest/doctest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

// Texts in failure reports: UTF-16 as UTF-8.
namespace doctest {
template<>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string& text)
    {
        std::string utf8;
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t c = text[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
                c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
            if (c < 0x80) {
                utf8 += char(c);
            } else if (c < 0x800) {
                utf8 += char(0xC0 | (c >> 6));
                utf8 += char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                utf8 += char(0xE0 | (c >> 12));
                utf8 += char(0x80 | ((c >> 6) & 0x3F));
                utf8 += char(0x80 | (c & 0x3F));
            } else {
                utf8 += char(0xF0 | (c >> 18));
                utf8 += char(0x80 | ((c >> 12) & 0x3F));
                utf8 += char(0x80 | ((c >> 6) & 0x3F));
                utf8 += char(0x80 | (c & 0x3F));
            }
        }
        return ('"' + utf8 + '"').c_str();
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
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

#define CHECK_EXACTLY(actual, expected)                                                            \
    do {                                                                                           \
        const double actualValue = (actual);                                                       \
        const double expectedValue = (expected);                                                   \
        CAPTURE(actualValue);                                                                      \
        CAPTURE(expectedValue);                                                                    \
        CHECK(sameDouble(actualValue, expectedValue));                                             \
    } while (false)
