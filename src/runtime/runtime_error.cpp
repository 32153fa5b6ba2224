#include "runtime_error.h"

#include "catalogue.h"

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
    // A text of its own is made in the user's language where it is raised.
    return m_text.isEmpty() ? translate("Errors", what()) : QString::fromUtf8(m_text);
}

const char *RuntimeError::what() const noexcept
{
    if (!m_text.isEmpty())
        return m_text.constData();
    switch (m_kind) {
    case ErrorKind::TypeMismatch:
        return QT_TRANSLATE_NOOP("Errors", "Type mismatch");
    case ErrorKind::Overflow:
        return QT_TRANSLATE_NOOP("Errors", "Overflow");
    case ErrorKind::DivisionByZero:
        return QT_TRANSLATE_NOOP("Errors", "Division by zero");
    case ErrorKind::OutOfMemory:
        return QT_TRANSLATE_NOOP("Errors", "Out of memory");
    case ErrorKind::FileRefused:
        return QT_TRANSLATE_NOOP("Errors", "The file cannot be written");
    case ErrorKind::FileWriteFailed:
        return QT_TRANSLATE_NOOP("Errors", "The file could not be written");
    case ErrorKind::BadArgument:
        return QT_TRANSLATE_NOOP("Errors", "Bad argument");
    case ErrorKind::WorkRefused:
        return QT_TRANSLATE_NOOP("Errors", "The work is refused");
    }
    return QT_TRANSLATE_NOOP("Errors", "Run-time error");
}

} // namespace volvenda
