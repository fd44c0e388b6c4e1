// SPDX-License-Identifier: MIT
#include "platform/nearestdouble.h"

#include "platform/runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace platform {

namespace {

// A halfway point between two doubles has at most 767 significant digits; keeping more than
// that and standing in one nonzero digit for all the rest rounds the same way.
constexpr std::size_t keptDigits = 800;

// Decimal magnitudes beyond which the value is certainly infinite, or certainly rounds to 0.
constexpr std::int64_t overflowMagnitude = 310;
constexpr std::int64_t underflowMagnitude = -330;

constexpr std::int64_t exponentLimit = 1'000'000'000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double strtodInCLocale(const std::string& text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

} // namespace

double nearestDouble(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;

    // The value is digits × 10^exponent.
    std::string digits;
    std::int64_t exponent = 0;
    bool fraction = false;
    for (; pos < text.size() && (isDigit(text[pos]) || (text[pos] == '.' && !fraction)); ++pos) {
        if (text[pos] == '.') {
            fraction = true;
        } else {
            if (fraction)
                --exponent;
            if (!digits.empty() || text[pos] != '0')
                digits.push_back(text[pos]);
        }
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        const bool negativeExponent = pos < text.size() && text[pos] == '-';
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            ++pos;
        std::int64_t written = 0;
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            written = std::min(exponentLimit, written * 10 + (text[pos] - '0'));
        exponent += negativeExponent ? -written : written;
    }

    const std::size_t significant = digits.find_last_not_of('0');
    if (significant == std::string::npos)
        return negative ? -0.0 : 0.0;
    exponent += std::int64_t(digits.size() - 1 - significant);
    digits.resize(significant + 1);

    const std::int64_t magnitude = exponent + std::int64_t(digits.size());
    if (magnitude > overflowMagnitude)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    if (magnitude < underflowMagnitude)
        return negative ? -0.0 : 0.0;
    if (digits.size() > keptDigits) {
        exponent += std::int64_t(digits.size() - keptDigits - 1);
        digits.resize(keptDigits);
        digits.push_back('1');
    }

    const double value
        = strtodInCLocale((negative ? "-" : "") + digits + 'e' + std::to_string(exponent));
    if (std::isinf(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return value;
}

} // namespace platform
