// SPDX-License-Identifier: MIT
#include "platform/numbers/formatnumber.h"
#include "platform/numbers/runtimeerror.h"
#include "platform/numbers/val.h"
#include "samplesettings.h"
#include "testsupport.h"

#include <cfloat>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

using platform::RegionalSettings;
using platform::Val;

namespace {

struct Reading {
    const char* tag;
    const RegionalSettings& settings;
    std::u16string text;
    double expected;
};

std::u16string ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace

TEST_CASE("Val reads what the text holds")
{
    using namespace samples;
    const RegionalSettings parentheses { u",", u".", u"-", u"+",
        platform::NegativeForm::Parentheses, { 3 } };
    const RegionalSettings trailingSign { u",", u".", u"-", u"+",
        platform::NegativeForm::TrailingSign, { 3 } };
    const RegionalSettings groupedOnce { u".", u",", u"-", u"+", {}, { 3 }, false };
    const RegionalSettings swissInBrowser { u".", u"'", u"-", u"+", {}, { 3 } };
    const RegionalSettings frenchOnWindows { u",", u"\u00a0", u"-", u"+", {}, { 3 } };
    const Reading rows[] = {
        // Blanks, tabs and line breaks are dropped wherever they stand.
        { "blanks: spaces inside", C, u" 3 888 ", 3888.0 },
        { "blanks: tab and line break", C, u"\t1\r\n2", 12.0 },
        { "blanks: it around comma", Italian, u" 18 , 5 ", 18.5 },
        { "blanks: only blanks", Italian, u" \t ", 0.0 },

        // Numbers written the way the regional settings write them.
        { "regional: it decimal comma", Italian, u"18,5", 18.5 },
        { "regional: it grouped", Italian, u"1.701", 1701.0 },
        { "regional: it grouped twice", Italian, u"12.345.678", 12345678.0 },
        { "regional: it grouped with decimals", Italian, u"1.701,25", 1701.25 },
        { "regional: it negative", Italian, u"-1.701", -1701.0 },
        { "regional: it plus sign", Italian, u"+18,5", 18.5 },
        { "regional: it leading zero is no group", Italian, u"0.001", 0.001 },
        { "regional: it short group is a point", Italian, u"1.70", 1.7 },
        { "regional: it long group is a point", Italian, u"1.2345", 1.2345 },
        { "regional: it comma without digits", Italian, u"18,", 18.0 },
        { "regional: it leading comma", Italian, u",5", 0.0 },
        { "regional: us grouped", UsEnglish, u"1,701", 1701.0 },
        { "regional: us grouped decimals", UsEnglish, u"1,701.5", 1701.5 },
        { "regional: us decimal comma stops", UsEnglish, u"18,5", 18.0 },
        { "regional: us short group stops", UsEnglish, u"1,70", 1.0 },
        { "regional: c comma stops", C, u"1,701", 1.0 },
        { "regional: c point is decimal", C, u"1.701", 1.701 },
        { "regional: swiss apostrophe", SwissGerman, u"1\u2019701", 1701.0 },
        { "regional: indian groups", Indian, u"12,34,568", 1234568.0 },
        { "regional: indian rejects thousands", Indian, u"1,234,568", 1.0 },
        { "regional: spanish four digits grouped", Spanish, u"1.234", 1234.0 },
        { "regional: spanish five digits grouped", Spanish, u"12.345", 12345.0 },
        { "regional: parentheses", parentheses, u"(1.701)", -1701.0 },
        { "regional: parentheses unclosed", parentheses, u"(1.701", 0.0 },
        { "regional: trailing sign", trailingSign, u"1.701-", -1701.0 },
        { "regional: grouped once", groupedOnce, u"1234,567", 1234567.0 },
        { "regional: grouped once, not twice", groupedOnce, u"1,234,567", 1.0 },

        // Separators that stand for one another, whichever one the settings name.
        { "separators: swiss typewriter apostrophe", SwissGerman, u"1'701", 1701.0 },
        { "separators: swiss typographic apostrophe", swissInBrowser, u"1\u2019701", 1701.0 },
        { "separators: french no-break space", French, u"1\u00a0234\u00a0567", 1234567.0 },
        { "separators: french narrow no-break space", frenchOnWindows, u"1\u202f701", 1701.0 },
        { "separators: french plain spaces", French, u"1 234 567,5", 1234567.5 },
        { "separators: no apostrophe in italian", Italian, u"1'701", 1.0 },
        { "separators: french plain then no-break", French, u"1 234\u00a0567", 1234567.0 },
        { "separators: french no-break then plain", French, u"1\u00a0234 567", 1234567.0 },
        { "separators: french narrow then plain", frenchOnWindows, u"1\u202f234 567,5", 1234567.5 },
        { "separators: french plain spaces ill-formed", French, u"12 34", 1234.0 },
        { "separators: french mixed ill-formed", French, u"1 2345\u00a0678", 12345.0 },
        { "separators: it plain space passed over", Italian, u"1 234 567", 1234567.0 },

        // A blank, a word or a sign after a regional number leaves its meaning as it is.
        { "after: it a word", Italian, u"1.701 cm", 1701.0 },
        { "after: it a word right after", Italian, u"1.701cm", 1701.0 },
        { "after: it a word starting with e", Italian, u"1.701 euro", 1701.0 },
        { "after: it a sign", Italian, u"1.701-", 1701.0 },
        { "after: it decimals and a word", Italian, u"1.701,5 cm", 1701.5 },
        { "after: it a decimal comma and a word", Italian, u"18,5 cm", 18.5 },
        { "after: us a word", UsEnglish, u"1,701 px", 1701.0 },
        { "after: it an exponent is classic", Italian, u"1.701e2", 170.1 },
        { "after: it ill-formed groups stay classic", Italian, u"1.7015 cm", 1.7015 },
        { "after: it a point fraction stays classic", Italian, u"18.5 cm", 18.5 },
        { "after: it a third group of one digit", Italian, u"1.701.5", 1.701 },
        { "after: fr a no-break space and a unit", frenchOnWindows, u"18,5\u00a0cm", 18.5 },
        { "after: fr a narrow no-break space and a unit", French, u"18,5\u202fcm", 18.5 },
        { "after: fr groups and a no-break space", French, u"1\u202f701\u00a0cm", 1701.0 },
        { "after: fr groups, decimals, a narrow space", French, u"1\u202f701,5\u202fcm", 1701.5 },
        { "after: fr a separator at the end", French, u"1\u202f701\u202f", 1701.0 },
        { "after: swiss an apostrophe and a word", SwissGerman, u"1\u2019701\u2019s", 1701.0 },
        { "after: it a group point before a word", Italian, u"1.701.cm", 1.701 },

        // The classic rules, up to the first character that cannot continue the number.
        { "classic: trailing letters", C, u"12abc", 12.0 },
        { "classic: point under it", Italian, u"18.5", 18.5 },
        { "classic: two points", C, u"1.2.3", 1.2 },
        { "classic: empty", C, u"", 0.0 },
        { "classic: letters", Italian, u"abc", 0.0 },
        { "classic: lone minus", C, u"-", 0.0 },
        { "classic: lone point", C, u".", 0.0 },
        { "classic: two signs", C, u"+-1", 0.0 },
        { "classic: point fraction", C, u"-.5", -0.5 },
        { "classic: bare exponent", C, u"1e", 1.0 },
        { "classic: exponent sign only", C, u"1e+", 1.0 },
        { "classic: exponent", C, u"1e3", 1000.0 },
        { "classic: signed exponent", C, u"1E+3", 1000.0 },
        { "classic: d exponent", C, u"2.5d-1", 0.25 },
        { "classic: D exponent", Italian, u"1D2", 100.0 },
        { "classic: it decimal then exponent", Italian, u"1,5e3", 1.0 },
        { "classic: hex", C, u"&H1F", 31.0 },
        { "classic: hex lower case", C, u"&hff", 255.0 },
        { "classic: hex stops", C, u"&HFG", 15.0 },
        { "classic: hex without digits", C, u"&H", 0.0 },
        { "classic: hex with sign", C, u"&H-1", 0.0 },
        { "classic: hex beyond 64 bits", C, u"&H10000000000000001", 18446744073709551616.0 },
        { "classic: octal", C, u"&O17", 15.0 },
        { "classic: octal stops at 8", C, u"&o778", 63.0 },
        { "classic: octal without digits", C, u"&O9", 0.0 },
        { "classic: ampersand alone", C, u"&", 0.0 },
        { "classic: c hex prefix", C, u"0x1A", 0.0 },
        { "classic: fullwidth digits", C, u"\uFF11\uFF12", 0.0 },

        // Never a non-finite value; values below the double range are zero.
        { "finite: inf", C, u"inf", 0.0 },
        { "finite: nan", C, u"nan", 0.0 },
        { "finite: infinity", UsEnglish, u"-Infinity", 0.0 },
        { "finite: underflow", C, u"1e-400", 0.0 },
        { "finite: negative underflow", C, u"-1e-400", -0.0 },

        // The correctly rounded double of every digit read, halves included.
        { "rounding: tie to even", C, u"9007199254740993", 9007199254740992.0 },
        { "rounding: tie to even upwards", C, u"9007199254740995", 9007199254740996.0 },
        { "rounding: just above tie", C, u"9007199254740993.00000000000000000001",
            9007199254740994.0 },
        { "rounding: tie written with 900 more zeros", C,
            u"9007199254740993." + repeated(u"0", 900), 9007199254740992.0 },
        { "rounding: tie broken past 900 digits", C,
            u"9007199254740993." + repeated(u"0", 900) + u"1", 9007199254740994.0 },
        { "rounding: 0.1", C, u"0.1", 0.1 },
        // Digits over a power of ten, where rounding first to 64 bits lands on a tie.
        { "rounding: once, whole digits", C, u"08898964.629342", 0x1.0f932942391d5p+23 },
        { "rounding: once, few digits", C, u"18.45335839", 0x1.2740f4ba26acfp+4 },
        { "rounding: 2.54", Italian, u"2,54", 2.54 },
        { "rounding: largest double", C, u"1.7976931348623157e308", DBL_MAX },
        { "rounding: smallest normal", C, u"2.2250738585072014e-308", DBL_MIN },
        { "rounding: smallest subnormal", C, u"4.9406564584124654e-324", 4.9406564584124654e-324 },
        { "rounding: half the smallest subnormal", C, u"2.4703282292062328e-324",
            4.9406564584124654e-324 },
        { "rounding: just below half the smallest", C, u"2.4703282292062327e-324", 0.0 },
        { "rounding: hex halfway", C, u"&H20000000000001", 9007199254740992.0 },
        { "rounding: hex halfway up", C, u"&H20000000000003", 9007199254740996.0 },
        { "rounding: it grouped long", Italian, u"9.007.199.254.740.993", 9007199254740992.0 },
    };
    for (const Reading& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK_EXACTLY(Val(row.text, row.settings), row.expected);
    }
}

TEST_CASE("Val fails on numbers beyond the range of a double")
{
    using namespace samples;
    const struct {
        const char* tag;
        const RegionalSettings& settings;
        std::u16string text;
    } rows[] = {
        { "exponent", C, u"1e400" },
        { "negative exponent form", C, u"-1e400" },
        { "just past the largest", C, u"1.7976931348623159e308" },
        { "digits", C, u"1" + repeated(u"0", 400) },
        { "grouped digits", Italian, u"1" + repeated(u".000", 103) },
        { "hex", C, u"&H" + repeated(u"F", 300) },
        { "octal", C, u"&O" + repeated(u"7", 400) },
        // More digits than the integer part has: written with a negative exponent inside.
        { "a fraction past the largest", C, u"1." + repeated(u"9", 309) + u"e308" },
        { "grouped with a fraction", Italian, u"200" + repeated(u".000", 102) + u",5" },
        { "digits with a fraction", C, u"2" + repeated(u"0", 308) + u".5" },
        { "over 800 digits", C, u"2" + repeated(u"0", 308) + u"." + repeated(u"0", 600) + u"1" },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK_THROWS_AS(Val(row.text, row.settings), platform::RuntimeError);
    }
}

// Random decimal texts in the classic form, against the standard library's correctly rounded
// conversion (the C library's where the standard library has none).
TEST_CASE("Val rounds as the standard library does")
{
    std::mt19937_64 random(20261208);
    const auto below = [&](int bound) { return int(random() % std::uint64_t(bound)); };
    for (const RegionalSettings* settings : { &samples::C, &samples::UsEnglish }) {
        for (int i = 0; i < 20000; ++i) {
            std::string text;
            if (below(4) == 0)
                text += '-';
            const int integerDigits = 1 + below(24);
            for (int d = 0; d < integerDigits; ++d)
                text += char('0' + below(10));
            if (below(2) == 0) {
                text += '.';
                const int fractionDigits = 1 + below(24);
                for (int d = 0; d < fractionDigits; ++d)
                    text += char('0' + below(10));
            }
            if (below(3) == 0)
                text += 'e' + std::to_string(below(560) - 280);

            double expected = 0;
#if defined(__cpp_lib_to_chars)
            std::from_chars(text.data(), text.data() + text.size(), expected);
#else
            expected = std::strtod(text.c_str(), nullptr);
#endif
            CAPTURE(text);
            REQUIRE(sameDouble(Val(ascii(text), *settings), expected));
        }
    }
}

// Whatever the program writes into a result box reads back as the same whole number.
TEST_CASE("Val reads the program's own results back")
{
    using namespace samples;
    const platform::NegativeForm forms[] = { platform::NegativeForm::LeadingSign,
        platform::NegativeForm::LeadingSignSpace, platform::NegativeForm::TrailingSign,
        platform::NegativeForm::TrailingSpaceSign, platform::NegativeForm::Parentheses };
    for (const RegionalSettings* sample :
        { &Italian, &UsEnglish, &SwissGerman, &Indian, &Spanish, &French, &C }) {
        for (const platform::NegativeForm form : forms) {
            RegionalSettings settings = *sample;
            settings.negativeForm = form;
            for (const double value :
                { 0.0, 7.0, 1701.0, -1701.0, 1234568.0, -9007199254740992.0 }) {
                const std::u16string written = platform::FormatNumber(value, settings);
                CAPTURE(written);
                CHECK(Val(written, settings) == value);
            }
        }
    }
}

// However long a text, reading it costs time in proportion to its length: ten times the text,
// at most thirty times the time (best of three, in this process, so load on the machine
// weighs on both alike). A reader that went over the text again for each unit would take a
// hundred times; under Wine, where the longer text's buffers come from fresh pages, a linear
// one was measured at up to 23 times.
TEST_CASE("Val reads huge texts in linear time")
{
    using namespace samples;
    const struct {
        const char* tag;
        const RegionalSettings& settings;
        std::u16string_view prefix;
        std::u16string_view unit;
    } rows[] = {
        { "digits", C, u"", u"7" },
        { "fraction", C, u"0.", u"0" },
        { "blanks", C, u"3888", u" " },
        { "groups", Italian, u"1", u".000" },
        { "hex", C, u"&H", u"0" },
    };
    const auto bestOfThree = [](const std::u16string& text, const RegionalSettings& settings) {
        auto best = std::chrono::steady_clock::duration::max();
        for (int i = 0; i < 3; ++i) {
            const auto start = std::chrono::steady_clock::now();
            try {
                static_cast<void>(Val(text, settings));
            } catch (const platform::RuntimeError&) { }
            best = std::min(best, std::chrono::steady_clock::now() - start);
        }
        return std::chrono::duration<double>(best).count();
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        const double shorter
            = bestOfThree(std::u16string(row.prefix) + repeated(row.unit, 100000), row.settings);
        const double longer
            = bestOfThree(std::u16string(row.prefix) + repeated(row.unit, 1000000), row.settings);
        CAPTURE(shorter);
        CAPTURE(longer);
        CHECK(longer <= 30 * shorter + 0.002);
        CHECK(longer < 10.0);
    }
}
