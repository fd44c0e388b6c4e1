// SPDX-License-Identifier: MIT
#include "platform/numbers/val.h"

#include "platform/numbers/nearestdouble.h"
#include "platform/numbers/regionalsettings.h"
#include "platform/numbers/textreader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

// A decimal number as read: ±digits × 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    double value() const { return nearestDouble(negative, digits, exponent); }
};

// Separators that stand for one another in a pasted number, where the settings group with one
// of them: the two apostrophes (Swiss German, which platforms write either way), and the spaces
// (French).
std::u16string_view separatorsLike(std::u16string_view separator)
{
    static constexpr std::u16string_view apostrophes = u"'\u2019";
    static constexpr std::u16string_view spaces = u" \u00a0\u202f";
    if (separator.size() != 1)
        return {};
    if (apostrophes.find(separator.front()) != std::u16string_view::npos)
        return apostrophes;
    if (spaces.find(separator.front()) != std::u16string_view::npos)
        return spaces;
    return {};
}

// Where the settings group with a space, a plain one separates groups as well: "1 234 567" is
// typed with whichever space is at hand.
bool groupsWithSpaces(const RegionalSettings& settings)
{
    return separatorsLike(settings.groupSeparator).find(u' ') != std::u16string_view::npos;
}

// A group separator counts only before a digit: anything else after it, such as a unit typeset
// after a no-break space ("18,5 cm" in French), ends the number.
bool takeGroupSeparator(TextReader& reader, const RegionalSettings& settings)
{
    TextReader probe = reader;
    const std::u16string_view others = separatorsLike(settings.groupSeparator);
    if (!probe.take(settings.groupSeparator)
        && std::none_of(others.begin(), others.end(), [&](char16_t c) { return probe.take(c); }))
        return false;
    if (!probe.atDigit())
        return false;
    reader = probe;
    return true;
}

// The integer part in groups between group separators, exactly where the settings' group sizes
// put them, the leading group without a leading zero, whether or not the settings would group a
// number that short. Where `blanksSeparate`, a blank between two digits is a separator too;
// otherwise blanks are passed over. Takes nothing unless there is a separator and every group
// is well formed.
bool takeGroupedInteger(
    TextReader& reader, const RegionalSettings& settings, bool blanksSeparate, std::string& digits)
{
    TextReader grouped = reader;
    std::string read;
    const auto takeGroup = [&] {
        return blanksSeparate ? grouped.takeAdjacentDigits(read) : grouped.takeDigits(read);
    };
    takeGroup();
    std::vector<std::size_t> separators; // how many digits stand before each one
    while (takeGroupSeparator(grouped, settings)
        || (blanksSeparate && grouped.afterBlank() && grouped.atDigit())) {
        separators.push_back(read.size());
        takeGroup();
    }
    const std::size_t total = read.size();
    bool wellFormed = !separators.empty() && read.front() != '0';
    std::size_t expected = 0;
    for (std::size_t left = 1; wellFormed && left < total; ++left)
        expected += settings.separatorBefore(total - left, total);
    for (const std::size_t left : separators)
        wellFormed = wellFormed && settings.separatorBefore(total - left, total);
    if (!wellFormed || expected != separators.size())
        return false;
    reader = grouped;
    digits += read;
    return true;
}

// The integer part as the settings write it: digits, or well-formed groups. A grouping the
// settings would not write leaves the reader after the first run of digits.
bool takeRegionalInteger(TextReader& reader, const RegionalSettings& settings, std::string& digits)
{
    if (!reader.atDigit())
        return false;
    if (settings.groupsDigits()) {
        if (groupsWithSpaces(settings) && takeGroupedInteger(reader, settings, true, digits))
            return true;
        if (takeGroupedInteger(reader, settings, false, digits))
            return true;
    }
    reader.takeDigits(digits);
    return true;
}

// Whether what follows a regional number could still be part of a number written otherwise:
// a separator, a point or comma, or an exponent. A blank, a word or a sign after it cannot, and
// the number keeps its regional meaning ("1.701 cm" is 1701 in Italian).
bool continuesANumber(TextReader reader, const RegionalSettings& settings)
{
    const char16_t next = reader.peek();
    if (next == u'.' || next == u',' || reader.take(settings.decimalSeparator)
        || takeGroupSeparator(reader, settings))
        return true;
    if (next != u'E' && next != u'e' && next != u'D' && next != u'd')
        return false;
    reader.next();
    if (!reader.take(u'-'))
        reader.take(u'+');
    return reader.atDigit();
}

std::optional<double> readRegional(std::u16string_view text, const RegionalSettings& settings)
{
    TextReader reader(text);
    Decimal number;
    bool closingParenthesis = false;
    if (reader.take(settings.minusSign) || reader.take(u'-'))
        number.negative = true;
    else if (settings.negativeForm == NegativeForm::Parentheses && reader.take(u'('))
        number.negative = closingParenthesis = true;
    else if (!reader.take(settings.plusSign))
        reader.take(u'+');

    if (!takeRegionalInteger(reader, settings, number.digits))
        return std::nullopt;
    if (reader.take(settings.decimalSeparator)) {
        const std::size_t fraction = reader.takeDigits(number.digits);
        if (fraction == 0)
            return std::nullopt;
        number.exponent -= std::int64_t(fraction);
    }
    if (closingParenthesis && !reader.take(u')'))
        return std::nullopt;
    const bool trailingSign = settings.negativeForm == NegativeForm::TrailingSign
        || settings.negativeForm == NegativeForm::TrailingSpaceSign;
    if (!number.negative && trailingSign && reader.take(settings.minusSign))
        number.negative = true;
    if (!reader.atEnd() && continuesANumber(reader, settings))
        return std::nullopt;
    return number.value();
}

bool isRadixDigit(char16_t c, int radix)
{
    if (radix == 8)
        return c >= u'0' && c <= u'7';
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

std::string octalToHexadecimal(const std::string& octal)
{
    std::string bits;
    for (char digit : octal) {
        const int value = digit - '0';
        for (int bit = 2; bit >= 0; --bit)
            bits.push_back(char('0' + ((value >> bit) & 1)));
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hexadecimal;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hexadecimal.push_back("0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)]);
    return hexadecimal;
}

double readRadixInteger(TextReader& reader, int radix)
{
    std::string digits;
    while (isRadixDigit(reader.peek(), radix)) {
        digits.push_back(char(reader.peek()));
        reader.next();
    }
    return nearestDoubleOfHexadecimal(radix == 16 ? digits : octalToHexadecimal(digits));
}

double readClassic(std::u16string_view text)
{
    TextReader reader(text);
    if (reader.take(u'&')) {
        if (reader.take(u'H') || reader.take(u'h'))
            return readRadixInteger(reader, 16);
        if (reader.take(u'O') || reader.take(u'o'))
            return readRadixInteger(reader, 8);
        return 0.0;
    }

    Decimal number;
    if (reader.take(u'-'))
        number.negative = true;
    else
        reader.take(u'+');
    std::size_t mantissa = reader.takeDigits(number.digits);
    if (reader.take(u'.')) {
        const std::size_t fraction = reader.takeDigits(number.digits);
        number.exponent -= std::int64_t(fraction);
        mantissa += fraction;
    }
    if (mantissa == 0)
        return 0.0;

    const char16_t marker = reader.peek();
    if (marker == u'E' || marker == u'e' || marker == u'D' || marker == u'd') {
        TextReader exponentReader = reader;
        exponentReader.next();
        const bool negative = exponentReader.take(u'-');
        if (!negative)
            exponentReader.take(u'+');
        std::string exponentDigits;
        if (exponentReader.takeDigits(exponentDigits) > 0) {
            // Past a billion the exponent can only mean overflow or zero.
            constexpr std::int64_t limit = 1'000'000'000;
            std::int64_t written = 0;
            for (char digit : exponentDigits)
                written = std::min(limit, written * 10 + (digit - '0'));
            number.exponent += negative ? -written : written;
        }
    }
    return number.value();
}

} // namespace

double Val(std::u16string_view text, const RegionalSettings& settings)
{
    if (const std::optional<double> regional = readRegional(text, settings))
        return *regional;
    return readClassic(text);
}

double Val(std::u16string_view text)
{
    return Val(text, currentRegionalSettings());
}

} // namespace platform
