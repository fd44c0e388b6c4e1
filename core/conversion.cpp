// SPDX-License-Identifier: MIT
#include "core/conversion.h"

#include "platform/numbers/arithmetic.h"
#include "platform/numbers/formatnumber.h"
#include "platform/numbers/val.h"

namespace core {

namespace {

using Conversion = double (*)(double, double);

ResultTexts request(Conversion convert, std::u16string_view horizontalText,
    std::u16string_view verticalText, std::u16string_view resolutionText)
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

double ReadNumber(std::u16string_view text)
{
    return platform::Val(text);
}

std::u16string FormatWhole(double value)
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

ResultTexts CmToPixRequest(std::u16string_view horizontalCm, std::u16string_view verticalCm,
    std::u16string_view resolution)
{
    return request(CmToPixels, horizontalCm, verticalCm, resolution);
}

ResultTexts PixToCmRequest(std::u16string_view horizontalPixels, std::u16string_view verticalPixels,
    std::u16string_view resolution)
{
    return request(PixelsToCm, horizontalPixels, verticalPixels, resolution);
}

} // namespace core
