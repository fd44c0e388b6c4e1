// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// The IEEE product of two doubles; throws RuntimeError(Overflow) when it is not finite.
double Multiply(double a, double b);

// The IEEE quotient; throws RuntimeError(DivisionByZero) for a zero divisor (0 / 0 included)
// and RuntimeError(Overflow) when the quotient is not finite.
double Divide(double dividend, double divisor);

} // namespace platform
