// SPDX-License-Identifier: MIT
#include "core/conversion.h"
#include "samplesettings.h"
#include "testsupport.h"

#include <cstdio>
#include <string>

using Kind = platform::RuntimeError::Kind;
using platform::RegionalSettings;

namespace {

enum class Direction { CmToPix, PixToCm };

core::ResultTexts run(
    Direction direction, std::u16string_view h, std::u16string_view v, std::u16string_view d)
{
    return direction == Direction::CmToPix ? core::CmToPixRequest(h, v, d)
                                           : core::PixToCmRequest(h, v, d);
}

std::u16string exactWhole(double value)
{
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", value);
    const std::string text(digits);
    return std::u16string(text.begin(), text.end());
}

} // namespace

TEST_CASE("Both requests give the two result texts")
{
    using namespace samples;
    const auto cm = Direction::CmToPix;
    const auto px = Direction::PixToCm;
    const struct {
        const char* tag;
        const RegionalSettings& settings;
        Direction direction;
        std::u16string horizontal, vertical, resolution, expectedHorizontal, expectedVertical;
    } rows[] = {
        { "defaults: cm it", Italian, cm, u"18", u"13", u"240", u"1.701", u"1.228" },
        { "defaults: cm us", UsEnglish, cm, u"18", u"13", u"240", u"1,701", u"1,228" },
        { "defaults: cm C", C, cm, u"18", u"13", u"240", u"1701", u"1228" },
        { "defaults: px it", Italian, px, u"3888", u"2592", u"240", u"41", u"27" },
        { "picked: px 300", Italian, px, u"3888", u"2592", u"300", u"33", u"22" },
        { "typed: cm 1 dpi", Italian, cm, u"18", u"13", u"1", u"7", u"5" },
        { "zero dpi: cm", Italian, cm, u"18", u"13", u"0", u"0", u"0" },
        { "empty dpi: cm", Italian, cm, u"18", u"13", u"", u"0", u"0" },
        { "below a half: px", Italian, px, u"10", u"1", u"300", u"0", u"0" },
        { "negative: cm it", Italian, cm, u"-18", u"13", u"240", u"-1.701", u"1.228" },
        { "negative dpi: px", UsEnglish, px, u"3888", u"2592", u"-240", u"-41", u"-27" },
        { "regional input: it", Italian, cm, u"18,5", u"1.300", u"240", u"1.748", u"122.835" },
        { "regional input: fr unit after no-break space", French, cm, u"18,5\u00a0cm",
            u"13\u00a0cm", u"240", u"1\u202f748", u"1\u202f228" },
        { "huge but finite: cm", C, cm, u"1e300", u"1", u"1", exactWhole(1e300 / 2.54), u"0" },

        // Exact halves that any other order of the operations would round the other way.
        { "order: cm divide first", C, cm, u"0.09", u"0.21", u"889", u"32", u"73" },
        { "order: cm not x*d/2.54", C, cm, u"0.21", u"0.25", u"127", u"10", u"12" },
        { "order: cm no d/2.54 factor", C, cm, u"0.21", u"0.21", u"381", u"31", u"31" },
        { "order: px multiply first", C, px, u"1075", u"9775", u"127", u"22", u"196" },
        { "order: px no 2.54/d factor", C, px, u"1725", u"3450", u"69", u"64", u"127" },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        platform::setCurrentRegionalSettings(row.settings);
        const core::ResultTexts result
            = run(row.direction, row.horizontal, row.vertical, row.resolution);
        CHECK(result.horizontal == row.expectedHorizontal);
        CHECK(result.vertical == row.expectedVertical);
    }
}

TEST_CASE("A request that cannot be computed gives no text")
{
    const auto cm = Direction::CmToPix;
    const auto px = Direction::PixToCm;
    // Past the largest double, written with more digits than the integer part has.
    const std::u16string hugeGrouped = u"200" + repeated(u".000", 102) + u",5";
    const std::u16string hugeWithFraction = u"2" + repeated(u"0", 308) + u",5";
    const struct {
        const char* tag;
        Direction direction;
        std::u16string_view horizontal, vertical, resolution;
        Kind kind;
    } rows[] = {
        { "zero dpi: px", px, u"3888", u"2592", u"0", Kind::DivisionByZero },
        { "text dpi: px", px, u"3888", u"2592", u"trecento", Kind::DivisionByZero },
        { "zero by zero: px", px, u"0", u"0", u"0", Kind::DivisionByZero },
        { "vertical overflows: cm", cm, u"18", u"1e308", u"240", Kind::Overflow },
        { "vertical overflows: px", px, u"3888", u"1e308", u"240", Kind::Overflow },
        { "quotient overflows: px", px, u"1e300", u"1", u"1e-10", Kind::Overflow },
        { "unreadable size: cm", cm, u"1e400", u"13", u"240", Kind::Overflow },
        { "read before dividing: px", px, u"3888", u"1e400", u"0", Kind::Overflow },
        { "huge grouped size: cm", cm, hugeGrouped, u"13", u"240", Kind::Overflow },
        { "huge resolution: cm", cm, u"18", u"13", hugeWithFraction, Kind::Overflow },
        { "huge resolution: px", px, u"3888", u"2592", hugeWithFraction, Kind::Overflow },
    };
    platform::setCurrentRegionalSettings(samples::Italian);
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        try {
            const core::ResultTexts result
                = run(row.direction, row.horizontal, row.vertical, row.resolution);
            FAIL("gave results instead of failing: " << result.horizontal);
        } catch (const core::ConversionFailure& failure) {
            CHECK(failure.kind() == row.kind);
        }
    }
}

// Pixel counts stay doubles until they are written: nothing is truncated on the way.
TEST_CASE("Every result stays a double until it is written")
{
    platform::setCurrentRegionalSettings(samples::C);
    CHECK_EXACTLY(core::CmToPixels(18.0, 240.0), 18.0 / 2.54 * 240.0);
    CHECK_EXACTLY(core::PixelsToCm(2592.0, 300.0), 2592.0 * 2.54 / 300.0);
    CHECK_EXACTLY(core::CmToPixels(1.27, 1.0), 0.5);
    CHECK(core::FormatWhole(core::CmToPixels(1.27, 1.0)) == u"1");
}
