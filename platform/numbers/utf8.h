// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// UTF-8, as the page and reports have texts, and the UTF-16 the shared layers keep.
namespace platform {

std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(std::u16string_view text);

} // namespace platform
