#include "runtime_error.h"

namespace volvenda {

RuntimeError::RuntimeError(ErrorKind kind) noexcept
    : m_kind(kind)
{
}

RuntimeError::RuntimeError(ErrorKind kind, const QString &text)
    : m_kind(kind)
    , m_text(text.toUtf8())
{
}

QString RuntimeError::errorText() const
{
    return QString::fromUtf8(what());
}

const char *RuntimeError::what() const noexcept
{
    if (!m_text.isEmpty())
        return m_text.constData();
    switch (m_kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::OutOfMemory:
        return "Out of memory";
    case ErrorKind::FileRefused:
        return "The file cannot be written";
    case ErrorKind::FileWriteFailed:
        return "The file could not be written";
    case ErrorKind::BadArgument:
        return "Bad argument";
    case ErrorKind::WorkRefused:
        return "The work is refused";
    }
    return "Run-time error";
}

} // namespace volvenda
