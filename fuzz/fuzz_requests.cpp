// SPDX-License-Identifier: MIT
// Splits arbitrary bytes into the three texts of a request and runs both directions, checking
// what must hold whatever the user types.
//
// Byte 0 chooses the regional settings (low bits) and how the rest is decoded: as UTF-8, or,
// with the high bit set, as raw UTF-16 code units (lone surrogates included). The texts are
// separated by 0xFF bytes, or by U+FFFF units.
#include "core/conversion.h"
#include "platform/numbers/regionalsettings.h"
#include "platform/numbers/val.h"
#include "samplesettings.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

platform::RegionalSettings withParentheses(platform::RegionalSettings settings)
{
    settings.negativeForm = platform::NegativeForm::Parentheses;
    return settings;
}

const std::array<platform::RegionalSettings, 7>& allSettings()
{
    static const std::array<platform::RegionalSettings, 7> settings { samples::Italian,
        samples::UsEnglish, samples::C, samples::SwissGerman, samples::Indian, samples::French,
        withParentheses(samples::Spanish) };
    return settings;
}

[[noreturn]] void violated(const char* what, const std::u16string& detail)
{
    std::fprintf(stderr, "invariant violated: %s: ", what);
    for (const char16_t unit : detail)
        std::fprintf(stderr, unit < 0x80 ? "%c" : "\\u%04x", unsigned(unit));
    std::fprintf(stderr, "\n");
    std::abort();
}

// UTF-8 as UTF-16; a byte that starts no valid sequence stands for itself.
std::u16string fromUtf8(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i < size;) {
        const unsigned lead = data[i];
        const int length = lead < 0x80 ? 1
            : lead >= 0xF0             ? 4
            : lead >= 0xE0             ? 3
            : lead >= 0xC0             ? 2
                                       : 1;
        if (i + std::size_t(length) > size || length == 1) {
            text.push_back(char16_t(lead));
            ++i;
            continue;
        }
        char32_t c = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (data[i + std::size_t(k)] & 0x3F);
        if (c >= 0x10000) {
            text.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            text.push_back(char16_t(c));
        }
        i += std::size_t(length);
    }
    return text;
}

std::array<std::u16string, 3> splitTexts(const std::uint8_t* data, std::size_t size, bool utf16)
{
    std::array<std::u16string, 3> texts;
    std::size_t field = 0;
    if (utf16) {
        for (std::size_t i = 0; i + 1 < size && field < texts.size(); i += 2) {
            const char16_t unit = char16_t(data[i] | (data[i + 1] << 8));
            if (unit == 0xFFFF)
                ++field;
            else
                texts[field].push_back(unit);
        }
        return texts;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && field < texts.size(); ++i) {
        if (i == size || data[i] == 0xFF) {
            texts[field++] = fromUtf8(data + start, i - start);
            start = i + 1;
        }
    }
    return texts;
}

// A result is a whole number in the regional format: the minus sign where the settings put
// it, ASCII digits and the group separator; never "-0", "inf" or "nan"; and it reads back as
// the rounded value.
void checkResult(
    const std::u16string& text, double value, const platform::RegionalSettings& settings)
{
    std::u16string digits = text;
    bool negative = false;
    if (settings.negativeForm == platform::NegativeForm::Parentheses) {
        negative = digits.size() > 2 && digits.front() == u'(' && digits.back() == u')';
        if (negative)
            digits = digits.substr(1, digits.size() - 2);
    } else if (digits.starts_with(settings.minusSign)) {
        negative = true;
        digits.erase(0, settings.minusSign.size());
    }
    if (!settings.groupSeparator.empty()) {
        for (std::size_t at; (at = digits.find(settings.groupSeparator)) != std::u16string::npos;)
            digits.erase(at, settings.groupSeparator.size());
    }
    if (digits.empty())
        violated("empty result", text);
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9')
            violated("not a whole number", text);
    }
    if (digits.size() > 1 && digits.front() == u'0')
        violated("leading zero", text);
    if (negative && digits == u"0")
        violated("negative zero", text);
    if (platform::Val(text, settings) != std::round(value))
        violated("does not read back as its value", text);
}

// What a text reads as, or nothing where reading it fails.
std::optional<double> readOrNothing(
    const std::u16string& text, const platform::RegionalSettings& settings)
{
    try {
        return platform::Val(text, settings);
    } catch (const platform::RuntimeError&) {
        return std::nullopt;
    }
}

using Request
    = core::ResultTexts (*)(std::u16string_view, std::u16string_view, std::u16string_view);

// The request against the same arithmetic done here, step by step.
void checkDirection(Request request, double (*expected)(double, double),
    const std::array<std::u16string, 3>& texts, const platform::RegionalSettings& settings,
    bool mustFail, bool mustSucceed)
{
    double horizontal = 0;
    double vertical = 0;
    bool computable = true;
    try {
        const double h = platform::Val(texts[0], settings);
        const double v = platform::Val(texts[1], settings);
        const double d = platform::Val(texts[2], settings);
        horizontal = expected(h, d);
        vertical = expected(v, d);
        computable = std::isfinite(horizontal) && std::isfinite(vertical);
    } catch (const platform::RuntimeError&) {
        computable = false;
    }

    try {
        const core::ResultTexts results = request(texts[0], texts[1], texts[2]);
        if (mustFail || !computable)
            violated("a request that cannot be computed gave results", results.horizontal);
        checkResult(results.horizontal, horizontal, settings);
        checkResult(results.vertical, vertical, settings);
    } catch (const core::ConversionFailure&) {
        if (mustSucceed || computable)
            violated("a request that can be computed failed",
                texts[0] + u'|' + texts[1] + u'|' + texts[2]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const platform::RegionalSettings& settings
        = allSettings()[(data[0] & 0x7F) % allSettings().size()];
    platform::setCurrentRegionalSettings(settings);
    const std::array<std::u16string, 3> texts = splitTexts(data + 1, size - 1, data[0] & 0x80);

    bool small = true;
    for (const std::u16string& text : texts) {
        const std::optional<double> value = readOrNothing(text, settings);
        small = small && value && std::fabs(*value) < 1e150;
    }
    checkDirection(
        core::CmToPixRequest, [](double x, double d) { return x / 2.54 * d; }, texts, settings,
        false, small);
    checkDirection(
        core::PixToCmRequest, [](double x, double d) { return d == 0.0 ? NAN : x * 2.54 / d; },
        texts, settings, readOrNothing(texts[2], settings) == 0.0, false);
    return 0;
}
