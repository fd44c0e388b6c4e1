// SPDX-License-Identifier: MIT
#include "platform/numbers/arithmetic.h"
#include "platform/numbers/runtimeerror.h"
#include "testsupport.h"

#include <cfloat>

using Kind = platform::RuntimeError::Kind;

namespace {

enum class Operation { Multiply, Divide };

double apply(Operation operation, double a, double b)
{
    return operation == Operation::Multiply ? platform::Multiply(a, b) : platform::Divide(a, b);
}

} // namespace

TEST_CASE("Multiply and Divide give the IEEE result")
{
    const struct {
        const char* tag;
        Operation operation;
        double a, b, expected;
    } rows[] = {
        { "multiply", Operation::Multiply, 3888.0, 2.54, 9875.52 },
        { "multiply to the largest", Operation::Multiply, DBL_MAX, 1.0, DBL_MAX },
        { "multiply underflows to zero", Operation::Multiply, 1e-300, 1e-300, 0.0 },
        { "multiply by zero", Operation::Multiply, DBL_MAX, 0.0, 0.0 },
        { "divide", Operation::Divide, 18.0, 2.54, 7.0866141732283463 },
        { "divide zero", Operation::Divide, 0.0, 240.0, 0.0 },
        { "divide underflows to zero", Operation::Divide, 1e-300, 1e300, 0.0 },
        // Where rounding first to 64 bits, as the x87 unit does, lands on a tie between doubles.
        { "rounded once: cm by 2.54", Operation::Divide, 117.125, 2.54, 0x1.70e5cb972e5cbp+5 },
        { "rounded once: px by 2.54", Operation::Multiply, 10265.0, 2.54, 0x1.9764666666667p+14 },
        { "rounded once: by the resolution", Operation::Divide, 1723.0 * 2.54, 2091.0,
            0x1.0be6c009b74bfp+1 },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK_EXACTLY(apply(row.operation, row.a, row.b), row.expected);
    }
}

TEST_CASE("Multiply and Divide fail where the result is no finite double")
{
    const struct {
        const char* tag;
        Operation operation;
        double a, b;
        Kind kind;
    } rows[] = {
        { "multiply overflows", Operation::Multiply, 1e308, 10.0, Kind::Overflow },
        { "multiply overflows negative", Operation::Multiply, -1e308, 10.0, Kind::Overflow },
        { "divide overflows", Operation::Divide, 1e308, 1e-10, Kind::Overflow },
        { "divide by zero", Operation::Divide, 1.0, 0.0, Kind::DivisionByZero },
        { "divide by minus zero", Operation::Divide, 1.0, -0.0, Kind::DivisionByZero },
        { "zero by zero", Operation::Divide, 0.0, 0.0, Kind::DivisionByZero },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        try {
            const double result = apply(row.operation, row.a, row.b);
            FAIL("gave " << result << " instead of failing");
        } catch (const platform::RuntimeError& error) {
            CHECK(error.kind() == row.kind);
        }
    }
}
