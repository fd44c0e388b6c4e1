// SPDX-License-Identifier: MIT
// Windows' regional settings as the program reads them. The ctest entries start it under Wine
// with a user locale (LANG) and the texts that locale must give.
#include "platform/numbers/formatnumber.h"
#include "platform/numbers/val.h"
#include "platform/win32/win32regionalsettings.h"
#include "testsupport.h"

#include <cstdlib>
#include <cwchar>
#include <string>

using platform::NegativeForm;
using platform::RegionalSettings;

namespace {

// The environment as Windows keeps it, in UTF-16.
std::u16string environmentText(const wchar_t* name)
{
    const wchar_t* value = _wgetenv(name);
    REQUIRE(value != nullptr);
    return std::u16string(value, value + std::wcslen(value));
}

} // namespace

TEST_CASE("Windows' negative number formats")
{
    CHECK(platform::negativeFormOfWindows(0) == NegativeForm::Parentheses);
    CHECK(platform::negativeFormOfWindows(1) == NegativeForm::LeadingSign);
    CHECK(platform::negativeFormOfWindows(2) == NegativeForm::LeadingSignSpace);
    CHECK(platform::negativeFormOfWindows(3) == NegativeForm::TrailingSign);
    CHECK(platform::negativeFormOfWindows(4) == NegativeForm::TrailingSpaceSign);
}

TEST_CASE("The user's settings as Windows gives them")
{
    const RegionalSettings settings = platform::userRegionalSettings();
    CHECK(platform::FormatNumber(1701.0, settings) == environmentText(L"EXPECTED_1701"));
    CHECK(platform::FormatNumber(1234567.8, settings) == environmentText(L"EXPECTED_1234568"));
    CHECK(platform::Val(environmentText(L"EXPECTED_1701"), settings) == 1701.0);
}
