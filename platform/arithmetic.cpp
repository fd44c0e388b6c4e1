// SPDX-License-Identifier: MIT
#include "platform/arithmetic.h"

#include "platform/runtimeerror.h"

#include <cmath>

namespace platform {

double Multiply(double a, double b)
{
    const double product = a * b;
    if (!std::isfinite(product))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return product;
}

double Divide(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero);
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return quotient;
}

} // namespace platform
