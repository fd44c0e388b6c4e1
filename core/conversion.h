// SPDX-License-Identifier: MIT
#pragma once

#include "platform/numbers/runtimeerror.h"

#include <string>
#include <string_view>

namespace core {

inline constexpr double CmPerInch = 2.54;

// A request whose arithmetic cannot give a finite double: a zero resolution in Pix -> Cm,
// or a number too large. No result text comes with it.
class ConversionFailure : public platform::RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

struct ResultTexts {
    std::u16string horizontal;
    std::u16string vertical;
};

double ReadNumber(std::u16string_view text);
std::u16string FormatWhole(double value);

// (cm / CmPerInch) * dpi and (px * CmPerInch) / dpi, each step a checked double operation.
double CmToPixels(double cm, double dpi);
double PixelsToCm(double px, double dpi);

// Both texts, or ConversionFailure and none.
ResultTexts CmToPixRequest(std::u16string_view horizontalCm, std::u16string_view verticalCm,
    std::u16string_view resolution);
ResultTexts PixToCmRequest(std::u16string_view horizontalPixels, std::u16string_view verticalPixels,
    std::u16string_view resolution);

} // namespace core
