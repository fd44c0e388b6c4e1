// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace platform {

// The shared layers keep texts as UTF-16, as QString does: a copy, no conversion.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace platform
