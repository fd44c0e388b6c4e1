// SPDX-License-Identifier: MIT
#include "platform/win32/win32regionalsettings.h"

#include "platform/win32/widetext.h"

#include <windows.h>

#include <array>

namespace platform {

namespace {

constexpr int largestGroupSize = 9;

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

void readWindowsGrouping(std::u16string_view grouping, RegionalSettings& settings)
{
    settings.groupSizes.clear();
    settings.lastGroupRepeats = false;
    settings.minimumGroupedDigits = 0;
    std::size_t start = 0;
    while (start <= grouping.size()) {
        const std::size_t end = std::min(grouping.find(u';', start), grouping.size());
        int size = 0;
        for (std::size_t i = start; i < end; ++i) {
            // Windows writes each size as one digit; a hand-edited registry value may hold a
            // long run of them, which is no grouping rather than an overflow.
            if (grouping[i] < u'0' || grouping[i] > u'9') {
                settings.groupSizes.clear();
                return;
            }
            size = size * 10 + (grouping[i] - u'0');
            if (size > largestGroupSize) {
                settings.groupSizes.clear();
                return;
            }
        }
        if (size == 0) {
            // A trailing 0 repeats the size before it; a leading one means no grouping.
            settings.lastGroupRepeats = !settings.groupSizes.empty() && end == grouping.size();
            return;
        }
        settings.groupSizes.push_back(size);
        start = end + 1;
    }
}

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
    RegionalSettings settings;
    if (std::u16string decimal = localeText(LOCALE_SDECIMAL); !decimal.empty())
        settings.decimalSeparator = decimal;
    settings.groupSeparator = localeText(LOCALE_STHOUSAND);
    if (std::u16string minus = localeText(LOCALE_SNEGATIVESIGN); !minus.empty())
        settings.minusSign = minus;
    if (std::u16string plus = localeText(LOCALE_SPOSITIVESIGN); !plus.empty())
        settings.plusSign = plus;
    settings.negativeForm = negativeFormOfWindows(localeNumber(LOCALE_INEGNUMBER, 1));
    readWindowsGrouping(localeText(LOCALE_SGROUPING), settings);
    return settings;
}

} // namespace platform
