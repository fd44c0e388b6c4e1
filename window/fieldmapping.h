// SPDX-License-Identifier: MIT
#pragma once

#include "core/conversion.h"

#include <QStringView>
#include <array>

// Which fields a "CALCOLA" button reads and writes, and which conversion it runs.
struct FieldMapping {
    core::ResultTexts (*request)(const QString&, const QString&, const QString&);
    QStringView horizontalInput;
    QStringView verticalInput;
    QStringView resolution;
    QStringView horizontalResult;
    QStringView verticalResult;
};

inline constexpr FieldMapping CmToPixFields { core::CmToPixRequest, u"Text1", u"Text2", u"Combo1",
    u"Text3", u"Text4" };
inline constexpr FieldMapping PixToCmFields { core::PixToCmRequest, u"Text8", u"Text7", u"Combo2",
    u"Text6", u"Text5" };

inline constexpr std::array<QStringView, 5> DpiChoices { u"72", u"90", u"150", u"240", u"300" };
