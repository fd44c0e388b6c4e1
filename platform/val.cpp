// SPDX-License-Identifier: MIT
#include "platform/val.h"

#include "platform/nearestdouble.h"
#include "platform/regionalsettings.h"
#include "platform/runtimeerror.h"

#include <QStringView>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// An integer written in hexadecimal, correctly rounded; more significant digits than any
// double holds are an overflow.
double hexadecimalToDouble(const std::string& hexDigits)
{
    constexpr std::size_t mostSignificantDigits = 1024 / 4;
    const std::size_t first = hexDigits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    if (hexDigits.size() - first > mostSignificantDigits)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const double value = strtod_l(("0x" + hexDigits.substr(first)).c_str(), nullptr, cLocale);
    if (std::isinf(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return value;
}

// Reads digits at `pos` into `out`; returns how many there were.
qsizetype takeDigits(QStringView text, qsizetype& pos, std::string& out)
{
    const qsizetype start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        out.push_back(char(text[pos++].unicode()));
    return pos - start;
}

bool takePrefix(QStringView text, qsizetype& pos, const QString& prefix)
{
    if (prefix.isEmpty() || !text.sliced(pos).startsWith(prefix))
        return false;
    pos += prefix.size();
    return true;
}

// The integer part as the settings group it: the leading group has no leading zero, the
// others have exactly the sizes the settings give.
bool takeGroupedInteger(
    QStringView text, qsizetype& pos, const RegionalSettings& settings, std::string& out)
{
    std::string digits;
    std::vector<qsizetype> groups;
    qsizetype at = pos;
    for (;;) {
        const qsizetype size = takeDigits(text, at, digits);
        if (size == 0)
            return false;
        groups.push_back(size);
        if (!takePrefix(text, at, settings.groupSeparator))
            break;
    }
    if (groups.size() < 2 || digits.front() == '0'
        || qsizetype(digits.size()) < settings.minimumGroupedDigits)
        return false;
    if (groups.back() != settings.leastGroupSize)
        return false;
    for (std::size_t i = 1; i + 1 < groups.size(); ++i) {
        if (groups[i] != settings.higherGroupSize)
            return false;
    }
    if (groups.front() > settings.higherGroupSize)
        return false;
    out += digits;
    pos = at;
    return true;
}

std::optional<double> readRegional(QStringView text, const RegionalSettings& settings)
{
    std::string ascii;
    qsizetype pos = 0;
    if (takePrefix(text, pos, settings.minusSign) || takePrefix(text, pos, u"-"_s))
        ascii.push_back('-');
    else if (!takePrefix(text, pos, settings.plusSign))
        takePrefix(text, pos, u"+"_s);

    if (!(settings.groupsDigits() && takeGroupedInteger(text, pos, settings, ascii))
        && takeDigits(text, pos, ascii) == 0)
        return std::nullopt;
    if (takePrefix(text, pos, settings.decimalSeparator)) {
        ascii.push_back('.');
        if (takeDigits(text, pos, ascii) == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return nearestDouble(ascii);
}

std::string octalToHex(const std::string& octal)
{
    std::string bits;
    for (char digit : octal) {
        const int value = digit - '0';
        bits += char('0' + ((value >> 2) & 1));
        bits += char('0' + ((value >> 1) & 1));
        bits += char('0' + (value & 1));
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return hex;
}

bool isRadixDigit(QChar c, int radix)
{
    if (radix == 8)
        return c >= u'0' && c <= u'7';
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

double readRadixInteger(QStringView digitsText, int radix)
{
    std::string digits;
    for (QChar c : digitsText) {
        if (!isRadixDigit(c, radix))
            break;
        digits.push_back(char(c.unicode()));
    }
    if (digits.empty())
        return 0.0;
    return hexadecimalToDouble(radix == 16 ? digits : octalToHex(digits));
}

double readClassic(QStringView text)
{
    if (text.size() >= 2 && text[0] == u'&') {
        if (text[1] == u'H' || text[1] == u'h')
            return readRadixInteger(text.sliced(2), 16);
        if (text[1] == u'O' || text[1] == u'o')
            return readRadixInteger(text.sliced(2), 8);
        return 0.0;
    }

    std::string ascii;
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        ascii.push_back(char(text[pos++].unicode()));
    qsizetype mantissaDigits = takeDigits(text, pos, ascii);
    if (pos < text.size() && text[pos] == u'.') {
        ascii.push_back('.');
        ++pos;
        mantissaDigits += takeDigits(text, pos, ascii);
    }
    if (mantissaDigits == 0)
        return 0.0;

    if (pos < text.size()) {
        const QChar marker = text[pos].toUpper();
        if (marker == u'E' || marker == u'D') {
            qsizetype exponentPos = pos + 1;
            std::string exponent = "e";
            if (exponentPos < text.size()
                && (text[exponentPos] == u'-' || text[exponentPos] == u'+'))
                exponent.push_back(char(text[exponentPos++].unicode()));
            if (takeDigits(text, exponentPos, exponent) > 0)
                ascii += exponent;
        }
    }
    return nearestDouble(ascii);
}

} // namespace

double Val(const QString& text, const RegionalSettings& settings)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            compact.append(c);
    }
    if (const std::optional<double> regional = readRegional(compact, settings))
        return *regional;
    return readClassic(compact);
}

double Val(const QString& text)
{
    return Val(text, currentRegionalSettings());
}

} // namespace platform
