// SPDX-License-Identifier: MIT
#include "platform/numbers/arithmetic.h"

#include "platform/numbers/runtimeerror.h"

#include <cfloat>
#include <cmath>

namespace platform {

// The same bits on every processor: each operation on doubles rounds once, to a double.
static_assert(FLT_EVAL_METHOD == 0, "doubles must be evaluated as doubles (SSE2 on 32-bit x86)");

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
