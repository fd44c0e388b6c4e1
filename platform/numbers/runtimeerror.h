// SPDX-License-Identifier: MIT
#pragma once

#include <exception>

namespace platform {

// A run-time error of a number operation. It ends the event procedure that caused it;
// the event dispatcher catches it and tells the user.
class RuntimeError : public std::exception {
public:
    enum class Kind { Overflow, DivisionByZero };

    explicit RuntimeError(Kind kind) noexcept
        : m_kind(kind)
    { }

    Kind kind() const noexcept { return m_kind; }

    const char* what() const noexcept override
    {
        return m_kind == Kind::Overflow ? "overflow" : "division by zero";
    }

private:
    Kind m_kind;
};

} // namespace platform
