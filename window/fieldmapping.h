// SPDX-License-Identifier: MIT
#pragma once

#include "core/conversion.h"
#include "window/form1layout.h"

#include <array>
#include <string_view>

// Which fields a "CALCOLA" button reads and writes, and which conversion it runs.
struct FieldMapping {
    core::ResultTexts (*request)(std::u16string_view, std::u16string_view, std::u16string_view);
    platform::ControlId horizontalInput;
    platform::ControlId verticalInput;
    platform::ControlId resolution;
    platform::ControlId horizontalResult;
    platform::ControlId verticalResult;
};

inline constexpr FieldMapping CmToPixFields { core::CmToPixRequest, form1::field(u"Text1"),
    form1::field(u"Text2"), form1::field(u"Combo1"), form1::field(u"Text3"),
    form1::field(u"Text4") };
inline constexpr FieldMapping PixToCmFields { core::PixToCmRequest, form1::field(u"Text8"),
    form1::field(u"Text7"), form1::field(u"Combo2"), form1::field(u"Text6"),
    form1::field(u"Text5") };

inline constexpr std::array<platform::ControlId, 2> DpiLists { form1::comboBox(u"Combo1"),
    form1::comboBox(u"Combo2") };
inline constexpr std::array<std::u16string_view, 5> DpiChoices { u"72", u"90", u"150", u"240",
    u"300" };
