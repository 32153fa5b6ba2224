#include "runtime_error.h"

namespace volvenda {

RuntimeError::RuntimeError(ErrorKind kind) noexcept
    : m_kind(kind)
{
}

QString RuntimeError::errorText() const
{
    return QString::fromLatin1(what());
}

const char *RuntimeError::what() const noexcept
{
    switch (m_kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    }
    return "Run-time error";
}

} // namespace volvenda
