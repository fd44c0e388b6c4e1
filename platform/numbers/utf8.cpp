// SPDX-License-Identifier: MIT
#include "platform/numbers/utf8.h"

namespace platform {

namespace {

constexpr char16_t replacementCharacter = u'\uFFFD';

struct LeadByte {
    int length; // 0: never starts a character
    unsigned char secondLow;
    unsigned char secondHigh;
};

// The well-formed sequences as Unicode lists them: the second byte's range is narrower after
// some leads, which keeps out overlong forms, surrogates and code points past U+10FFFF.
LeadByte leadByte(unsigned char lead)
{
    if (lead < 0x80)
        return { 1, 0, 0 };
    if (lead < 0xC2)
        return { 0, 0, 0 };
    if (lead < 0xE0)
        return { 2, 0x80, 0xBF };
    if (lead == 0xE0)
        return { 3, 0xA0, 0xBF };
    if (lead == 0xED)
        return { 3, 0x80, 0x9F };
    if (lead < 0xF0)
        return { 3, 0x80, 0xBF };
    if (lead == 0xF0)
        return { 4, 0x90, 0xBF };
    if (lead < 0xF4)
        return { 4, 0x80, 0xBF };
    if (lead == 0xF4)
        return { 4, 0x80, 0x8F };
    return { 0, 0, 0 };
}

void appendCodePoint(std::u16string& result, char32_t c)
{
    if (c >= 0x10000) {
        result.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
        result.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
        result.push_back(char16_t(c));
    }
}

} // namespace

// Each ill-formed part becomes one U+FFFD, and a byte that cannot continue the character it
// follows starts the next one: a stray lead never swallows the digits after it.
std::u16string utf16FromUtf8(std::string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        const LeadByte kind = leadByte(lead);
        if (kind.length <= 1) {
            result.push_back(kind.length == 1 ? char16_t(lead) : replacementCharacter);
            continue;
        }
        char32_t c = lead & (0x7F >> kind.length);
        int k = 1;
        for (; k < kind.length && i < text.size(); ++k, ++i) {
            const auto next = static_cast<unsigned char>(text[i]);
            const unsigned char low = k == 1 ? kind.secondLow : 0x80;
            const unsigned char high = k == 1 ? kind.secondHigh : 0xBF;
            if (next < low || next > high)
                break;
            c = (c << 6) | (next & 0x3F);
        }
        if (k == kind.length)
            appendCodePoint(result, c);
        else
            result.push_back(replacementCharacter);
    }
    return result;
}

// A lone surrogate has no UTF-8 form of its own: it is written as U+FFFD.
std::string utf8FromUtf16(std::u16string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = replacementCharacter;
        if (c < 0x80) {
            result += char(c);
        } else if (c < 0x800) {
            result += char(0xC0 | (c >> 6));
            result += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += char(0xE0 | (c >> 12));
            result += char(0x80 | ((c >> 6) & 0x3F));
            result += char(0x80 | (c & 0x3F));
        } else {
            result += char(0xF0 | (c >> 18));
            result += char(0x80 | ((c >> 12) & 0x3F));
            result += char(0x80 | ((c >> 6) & 0x3F));
            result += char(0x80 | (c & 0x3F));
        }
    }
    return result;
}

} // namespace platform
