// SPDX-License-Identifier: MIT
#pragma once

#include "platform/runtimeerror.h"

#include <QString>

namespace core {

inline constexpr double CmPerInch = 2.54;

// A request whose arithmetic cannot give a finite double: a zero resolution in Pix -> Cm,
// or a number too large. No result text comes with it.
class ConversionFailure : public platform::RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

struct ResultTexts {
    QString horizontal;
    QString vertical;
};

double ReadNumber(const QString& text);
QString FormatWhole(double value);

// (cm / CmPerInch) * dpi and (px * CmPerInch) / dpi, each step a checked double operation.
double CmToPixels(double cm, double dpi);
double PixelsToCm(double px, double dpi);

// Both texts, or ConversionFailure and none.
ResultTexts CmToPixRequest(
    const QString& horizontalCm, const QString& verticalCm, const QString& resolution);
ResultTexts PixToCmRequest(
    const QString& horizontalPixels, const QString& verticalPixels, const QString& resolution);

} // namespace core
