// SPDX-License-Identifier: MIT
#include "core/conversion.h"

#include "platform/arithmetic.h"
#include "platform/formatnumber.h"
#include "platform/val.h"

namespace core {

namespace {

using Conversion = double (*)(double, double);

ResultTexts request(Conversion convert, const QString& horizontalText, const QString& verticalText,
    const QString& resolutionText)
{
    try {
        const double horizontal = ReadNumber(horizontalText);
        const double vertical = ReadNumber(verticalText);
        const double resolution = ReadNumber(resolutionText);
        const double horizontalResult = convert(horizontal, resolution);
        ResultTexts texts;
        texts.horizontal = FormatWhole(horizontalResult);
        const double verticalResult = convert(vertical, resolution);
        texts.vertical = FormatWhole(verticalResult);
        return texts;
    } catch (const platform::RuntimeError& error) {
        throw ConversionFailure(error.kind());
    }
}

} // namespace

double ReadNumber(const QString& text)
{
    return platform::Val(text);
}

QString FormatWhole(double value)
{
    return platform::FormatNumber(value);
}

double CmToPixels(double cm, double dpi)
{
    const double inches = platform::Divide(cm, CmPerInch);
    return platform::Multiply(inches, dpi);
}

double PixelsToCm(double px, double dpi)
{
    const double scaled = platform::Multiply(px, CmPerInch);
    return platform::Divide(scaled, dpi);
}

ResultTexts CmToPixRequest(
    const QString& horizontalCm, const QString& verticalCm, const QString& resolution)
{
    return request(CmToPixels, horizontalCm, verticalCm, resolution);
}

ResultTexts PixToCmRequest(
    const QString& horizontalPixels, const QString& verticalPixels, const QString& resolution)
{
    return request(PixelsToCm, horizontalPixels, verticalPixels, resolution);
}

} // namespace core
