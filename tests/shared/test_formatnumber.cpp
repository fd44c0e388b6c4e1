// SPDX-License-Identifier: MIT
#include "platform/numbers/formatnumber.h"
#include "samplesettings.h"
#include "testsupport.h"

#include <cfloat>
#include <cstdio>
#include <string>

using platform::FormatNumber;
using platform::NegativeForm;
using platform::RegionalSettings;

namespace {

RegionalSettings withNegativeForm(RegionalSettings settings, NegativeForm form)
{
    settings.negativeForm = form;
    return settings;
}

} // namespace

TEST_CASE("FormatNumber writes whole numbers as the settings say")
{
    using namespace samples;
    const RegionalSettings groupedOnce { u".", u",", u"-", u"+", {}, { 3 }, false };
    const RegionalSettings windowsIndian { u".", u",", u"-", u"+", {}, { 3, 2 }, true };
    const struct {
        const char* tag;
        RegionalSettings settings;
        double value;
        std::u16string expected;
    } rows[] = {
        { "rounding: half up", C, 190.5, u"191" },
        { "rounding: half away from zero, even below", C, 2.5, u"3" },
        { "rounding: one half", C, 0.5, u"1" },
        { "rounding: just below one half", C, 0.49999999999999994, u"0" },
        { "rounding: just below a half", C, 2.4999999999999996, u"2" },
        { "rounding: largest half", C, 4503599627370495.5, u"4503599627370496" },
        { "rounding: negative half", C, -2.5, u"-3" },
        { "rounding: no decimals", C, 1700.787, u"1701" },
        { "rounding: tiny", C, 5e-324, u"0" },
        { "rounding: 2^63", C, 9223372036854775808.0, u"9223372036854775808" },

        { "zero: positive", Italian, 0.0, u"0" },
        { "zero: negative", Italian, -0.0, u"0" },
        { "zero: small negative", UsEnglish, -0.4, u"0" },
        { "zero: just above minus half", C, -0.49999999999999994, u"0" },
        { "zero: in parentheses", withNegativeForm(Italian, NegativeForm::Parentheses), -0.4,
            u"0" },

        { "grouping: it", Italian, 1701.0, u"1.701" },
        { "grouping: it millions", Italian, 1234567.0, u"1.234.567" },
        { "grouping: it below a thousand", Italian, 999.0, u"999" },
        { "grouping: us", UsEnglish, 1701.0, u"1,701" },
        { "grouping: swiss", SwissGerman, 1701.0, u"1\u2019701" },
        { "grouping: indian", Indian, 1234567.8, u"12,34,568" },
        { "grouping: indian crore", Indian, 123456789.0, u"12,34,56,789" },
        { "grouping: windows indian", windowsIndian, 123456789.0, u"12,34,56,789" },
        { "grouping: windows indian below a thousand", windowsIndian, 999.0, u"999" },
        { "grouping: only once", groupedOnce, 123456789.0, u"123456,789" },
        { "grouping: es four digits, as in every language", Spanish, 1234.0, u"1.234" },
        { "grouping: es five digits", Spanish, 12345.0, u"12.345" },
        { "grouping: es long", Spanish, 6626175885159.0, u"6.626.175.885.159" },
        { "grouping: french", French, 1234567.0, u"1\u202f234\u202f567" },
        { "grouping: C", C, 1701.0, u"1701" },

        { "negative: it", Italian, -1700.787, u"-1.701" },
        { "negative: us", UsEnglish, -1234567.0, u"-1,234,567" },
        { "negative: sign and space", withNegativeForm(Italian, NegativeForm::LeadingSignSpace),
            -1701.0, u"- 1.701" },
        { "negative: trailing sign", withNegativeForm(Italian, NegativeForm::TrailingSign), -1701.0,
            u"1.701-" },
        { "negative: space and trailing sign",
            withNegativeForm(Italian, NegativeForm::TrailingSpaceSign), -1701.0, u"1.701 -" },
        { "negative: parentheses", withNegativeForm(UsEnglish, NegativeForm::Parentheses),
            -1234567.0, u"(1,234,567)" },
        { "negative: another minus sign",
            RegionalSettings { u",", u"\u00a0", u"\u2212", u"+", {}, { 3 }, true }, -1701.0,
            u"\u22121\u00a0701" },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(FormatNumber(row.value, row.settings) == row.expected);
    }
}

TEST_CASE("FormatNumber writes every digit of huge values")
{
    for (const double value : { 1e308, DBL_MAX, -DBL_MAX, 18446744073709551616.0 }) {
        char exact[400];
        std::snprintf(exact, sizeof exact, "%.0f", value);
        const std::string digits(exact);
        CAPTURE(digits);
        CHECK(FormatNumber(value, samples::C) == std::u16string(digits.begin(), digits.end()));

        std::u16string grouped = FormatNumber(value, samples::UsEnglish);
        const std::size_t digitCount = digits.size() - (value < 0 ? 1 : 0);
        CHECK(std::size_t(std::erase(grouped, u',')) == (digitCount - 1) / 3);
        CHECK(grouped == std::u16string(digits.begin(), digits.end()));
    }
}
