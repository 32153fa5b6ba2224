#pragma once

#include <QString>

#include <exception>

namespace volvenda {

enum class ErrorKind {
    TypeMismatch,
    Overflow,
    DivisionByZero,
};

// The one error the runtime layer raises. Nothing in the core catches it; the
// window catches it at its command boundary and reports errorText().
class RuntimeError final : public std::exception
{
public:
    explicit RuntimeError(ErrorKind kind) noexcept;

    [[nodiscard]] ErrorKind kind() const noexcept { return m_kind; }
    [[nodiscard]] QString errorText() const;
    [[nodiscard]] const char *what() const noexcept override;

private:
    ErrorKind m_kind;
};

} // namespace volvenda
