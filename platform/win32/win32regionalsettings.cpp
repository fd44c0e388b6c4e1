// SPDX-License-Identifier: MIT
#include "platform/win32/win32regionalsettings.h"

#include "platform/numbers/regionalsamples.h"
#include "platform/win32/widetext.h"

#include <windows.h>

#include <array>

namespace platform {

namespace {

std::u16string localeText(LCTYPE type)
{
    std::array<wchar_t, 32> buffer {};
    const int length
        = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer.data(), int(buffer.size()));
    if (length <= 1)
        return {};
    return utf16(std::wstring_view(buffer.data(), std::size_t(length - 1)));
}

int localeNumber(LCTYPE type, int otherwise)
{
    DWORD value = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
            reinterpret_cast<LPWSTR>(&value), sizeof value / sizeof(wchar_t))
        == 0)
        return otherwise;
    return int(value);
}

} // namespace

NegativeForm negativeFormOfWindows(int format)
{
    switch (format) {
    case 0:
        return NegativeForm::Parentheses;
    case 2:
        return NegativeForm::LeadingSignSpace;
    case 3:
        return NegativeForm::TrailingSign;
    case 4:
        return NegativeForm::TrailingSpaceSign;
    default:
        return NegativeForm::LeadingSign;
    }
}

RegionalSettings userRegionalSettings()
{
    RegionalSamples samples;
    samples.decimalSeparator = localeText(LOCALE_SDECIMAL);
    samples.groupSeparator = localeText(LOCALE_STHOUSAND);
    samples.minusSign = localeText(LOCALE_SNEGATIVESIGN);
    samples.plusSign = localeText(LOCALE_SPOSITIVESIGN);
    samples.negativeForm = negativeFormOfWindows(localeNumber(LOCALE_INEGNUMBER, 1));
    // Windows states its grouping; its own formatting of a sample is not to be trusted (Wine
    // groups "3;0" only once).
    samples.groupingPattern = localeText(LOCALE_SGROUPING);
    return regionalSettingsFrom(samples);
}

} // namespace platform
