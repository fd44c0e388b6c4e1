# SPDX-License-Identifier: MIT
# Every operation on doubles must round once, to a double, for the program to give the same
# bits on every processor. The x87 unit of 32-bit x86 rounds each result to 64 bits of mantissa
# first, then again when it stores it, and its wider exponent keeps some overflows finite: there
# the doubles are computed with SSE2 instead (a Pentium 4 or later), as on every 64-bit processor.
include(CheckCXXSourceCompiles)

set(rounds_once_source [[
#include <cfloat>
#if FLT_EVAL_METHOD != 0
#error doubles are evaluated in a wider format
#endif
int main() { return 0; }
]])
check_cxx_source_compiles("${rounds_once_source}" DOUBLES_ROUND_ONCE)
if(NOT DOUBLES_ROUND_ONCE)
    set(CMAKE_REQUIRED_FLAGS "-msse2 -mfpmath=sse")
    check_cxx_source_compiles("${rounds_once_source}" DOUBLES_ROUND_ONCE_WITH_SSE2)
    unset(CMAKE_REQUIRED_FLAGS)
    if(NOT DOUBLES_ROUND_ONCE_WITH_SSE2)
        message(FATAL_ERROR "This compiler evaluates doubles in a wider format (FLT_EVAL_METHOD "
            "is not 0), and SSE2 arithmetic is not available for the target: the program's "
            "numbers would differ from other processors' in the last bit.")
    endif()
    add_compile_options(-msse2 -mfpmath=sse)
endif()
