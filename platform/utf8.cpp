// SPDX-License-Identifier: MIT
#include "platform/utf8.h"

namespace platform {

std::u16string utf16FromUtf8(std::string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + std::size_t(k) < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3F);
        i += std::size_t(length);
        if (c >= 0x10000) {
            result.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            result.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            result.push_back(char16_t(c));
        }
    }
    return result;
}

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
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
