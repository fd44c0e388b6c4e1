// SPDX-License-Identifier: MIT
#include "platform/numbers/nearestdouble.h"

#include "platform/numbers/runtimeerror.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform {

// The same bits on every processor: each operation on doubles rounds once, to a double.
static_assert(FLT_EVAL_METHOD == 0, "doubles must be evaluated as doubles (SSE2 on 32-bit x86)");

namespace {

// A halfway point between two doubles has at most 767 significant digits; keeping more than
// that and standing in one nonzero digit for all the rest rounds the same way.
constexpr std::size_t keptDigits = 800;

// Decimal magnitudes beyond which the value is certainly infinite, or certainly rounds to 0.
constexpr std::int64_t overflowMagnitude = 310;
constexpr std::int64_t underflowMagnitude = -330;

// Up to 15 digits are an exact double, and so is every power of ten up to 10^22: one
// multiplication or division of the two is then correctly rounded.
constexpr std::size_t exactDigits = 15;
constexpr std::array<double, 23> exactPowersOfTen { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
    1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };

enum class Notation { Scientific, Hexadecimal };

#if defined(__cpp_lib_to_chars)
// The standard library's conversion is correctly rounded and knows no locale. Out of its range
// a value below one is below the smallest double, and so zero; any other overflows.
double correctlyRounded(std::string_view text, Notation notation, bool belowOne)
{
    const std::chars_format format = notation == Notation::Hexadecimal
        ? std::chars_format::hex
        : std::chars_format::scientific;
    double value = 0;
    const auto [end, error]
        = std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (error == std::errc::result_out_of_range) {
        if (!belowOne)
            throw RuntimeError(RuntimeError::Kind::Overflow);
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != text.data() + text.size() || std::isinf(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return value;
}
#else
// Where the standard library has no floating-point conversion (the browser build's), the C
// library's: correctly rounded there too, and it knows only the C locale. Below the smallest
// double it gives zero by itself; past the largest, infinity.
double correctlyRounded(std::string_view text, Notation notation, bool)
{
    const std::string prefixed
        = (notation == Notation::Hexadecimal ? "0x" : "") + std::string(text);
    char* end = nullptr;
    const double value = std::strtod(prefixed.c_str(), &end);
    if (end != prefixed.c_str() + prefixed.size() || std::isinf(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return value;
}
#endif

} // namespace

double nearestDouble(bool negative, std::string_view digits, std::int64_t exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return negative ? -0.0 : 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    exponent += std::int64_t(digits.size() - 1 - last);
    digits = digits.substr(first, last - first + 1);

    const std::int64_t magnitude = exponent + std::int64_t(digits.size());
    if (magnitude > overflowMagnitude)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    if (magnitude < underflowMagnitude)
        return negative ? -0.0 : 0.0;

    if (digits.size() <= exactDigits && exponent >= -22 && exponent <= 22) {
        double whole = 0;
        for (char digit : digits)
            whole = whole * 10 + (digit - '0');
        const double power = exactPowersOfTen[std::size_t(std::abs(exponent))];
        const double value = exponent < 0 ? whole / power : whole * power;
        return negative ? -value : value;
    }

    std::string text;
    text.reserve(keptDigits + 24);
    if (negative)
        text.push_back('-');
    if (digits.size() > keptDigits) {
        exponent += std::int64_t(digits.size() - keptDigits - 1);
        text.append(digits.substr(0, keptDigits));
        text.push_back('1');
    } else {
        text.append(digits);
    }
    text.push_back('e');
    text.append(std::to_string(exponent));
    // The digits stand before the decimal point: the value is below one when they all stand
    // after it.
    return correctlyRounded(text, Notation::Scientific, magnitude <= 0);
}

double nearestDoubleOfHexadecimal(std::string_view digits)
{
    constexpr std::size_t mostSignificantDigits = 1024 / 4;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return 0.0;
    if (digits.size() - first > mostSignificantDigits)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return correctlyRounded(digits.substr(first), Notation::Hexadecimal, false);
}

} // namespace platform
