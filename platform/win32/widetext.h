// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The shared layers' UTF-16 as Windows' wide text, zero-terminated for the API.
inline std::wstring wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

// Windows' wide text as the shared layers' UTF-16, unit by unit.
inline std::u16string utf16(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace platform
