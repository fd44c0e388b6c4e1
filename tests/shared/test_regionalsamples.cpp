// SPDX-License-Identifier: MIT
#include "platform/numbers/formatnumber.h"
#include "platform/numbers/regionalsamples.h"
#include "platform/numbers/val.h"
#include "testsupport.h"

using platform::FormatNumber;
using platform::RegionalSamples;
using platform::RegionalSettings;

namespace {

RegionalSamples written(std::u16string decimal, std::u16string group, std::u16string number)
{
    RegionalSamples samples;
    samples.decimalSeparator = std::move(decimal);
    samples.groupSeparator = std::move(group);
    samples.writtenNumber = std::move(number);
    return samples;
}

RegionalSamples pattern(std::u16string grouping)
{
    RegionalSamples samples;
    samples.decimalSeparator = u".";
    samples.groupSeparator = u",";
    samples.groupingPattern = std::move(grouping);
    return samples;
}

} // namespace

// What each platform shows or states, as the Qt, Windows and browser programs ask it, read by
// the one rule: the same settings from any of them.
TEST_CASE("Settings from a platform's samples")
{
    const struct {
        const char* tag;
        RegionalSamples samples;
        std::u16string thousands;
        std::u16string billions;
    } rows[] = {
        { "written: it", written(u",", u".", u"1.111.111.111.111.111.111"), u"1.701",
            u"1.234.567.890" },
        { "written: es groups four digits", written(u",", u".", u"1.111.111.111.111.111"), u"1.701",
            u"1.234.567.890" },
        { "written: en-IN", written(u".", u",", u"1,11,11,11,11,11,11,111"), u"1,701",
            u"1,23,45,67,890" },
        { "written: fr", written(u",", u"\u202f", u"1\u202f111\u202f111"), u"1\u202f701",
            u"1\u202f234\u202f567\u202f890" },
        { "written: digits outside the BMP",
            written(u".", u",", u"\U00011137\U00011137,\U00011137\U00011137\U00011137"), u"1,701",
            u"1,234,567,890" },
        { "written: no separator shown", written(u".", u",", u"1111111111"), u"1701",
            u"1234567890" },
        { "written: no separator named", written(u",", u"", u"1111111111"), u"1701",
            u"1234567890" },
        { "pattern: 3;0 repeats", pattern(u"3;0"), u"1,701", u"1,234,567,890" },
        { "pattern: 3;2;0 is Indian", pattern(u"3;2;0"), u"1,701", u"1,23,45,67,890" },
        { "pattern: 3 groups once", pattern(u"3"), u"1,701", u"1234567,890" },
        { "pattern: 3;2 groups twice", pattern(u"3;2"), u"1,701", u"12345,67,890" },
        { "pattern: 0;0 groups nothing", pattern(u"0;0"), u"1701", u"1234567890" },
        { "pattern: empty groups nothing", pattern(u""), u"1701", u"1234567890" },
        { "pattern: nonsense groups nothing", pattern(u"x"), u"1701", u"1234567890" },
        { "pattern: a trailing semicolon groups nothing", pattern(u"3;"), u"1701", u"1234567890" },
        { "pattern: an empty size groups nothing", pattern(u"3;;0"), u"1701", u"1234567890" },
        { "pattern: a 0 before the end groups nothing", pattern(u"3;0;2"), u"1701", u"1234567890" },
        { "pattern: 0 groups nothing", pattern(u"0"), u"1701", u"1234567890" },
        { "pattern: a size past 9 groups nothing", pattern(u"3;12;0"), u"1701", u"1234567890" },
        { "pattern: a long digit run groups nothing", pattern(u"3;99999999999999999999;0"), u"1701",
            u"1234567890" },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        const RegionalSettings settings = platform::regionalSettingsFrom(row.samples);
        CHECK(FormatNumber(1701.0, settings) == row.thousands);
        CHECK(FormatNumber(1234567890.0, settings) == row.billions);
        CHECK(platform::Val(row.billions, settings) == 1234567890.0);
    }
}

TEST_CASE("Symbols a platform leaves out are the classic ones")
{
    const RegionalSettings settings = platform::regionalSettingsFrom(RegionalSamples {});
    CHECK(settings == RegionalSettings {});
    CHECK(settings.decimalSeparator == u".");
    CHECK(settings.minusSign == u"-");
    CHECK(settings.plusSign == u"+");
}
