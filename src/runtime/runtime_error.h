#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace volvenda {

enum class ErrorKind {
    TypeMismatch,
    Overflow,
    DivisionByZero,
    // The memory for a picture could not be had.
    OutOfMemory,
    // A file is not written because of what its name names: a folder, a
    // device, a pipe, a missing folder, a name the system cannot take.
    FileRefused,
    // The system failed while a file was being written: no space, no
    // permission, an input/output error.
    FileWriteFailed,
    // An argument the command does not take, or a line of a file of them:
    // what the user typed is to be put right.
    BadArgument,
    // Work that is refused before it starts: more than the limits allow, or
    // nothing to do it on.
    WorkRefused,
};

// The one error the layers raise. Nothing in the core catches it; the
// window's commands and the renderer's main catch it at their boundary and
// report errorText().
class RuntimeError final : public std::exception
{
public:
    explicit RuntimeError(ErrorKind kind) noexcept;
    // With a text of its own, such as a message naming a file and the reason.
    RuntimeError(ErrorKind kind, const QString &text);

    [[nodiscard]] ErrorKind kind() const noexcept { return m_kind; }
    // In the user's language; what() says it in English.
    [[nodiscard]] QString errorText() const;
    [[nodiscard]] const char *what() const noexcept override;

private:
    ErrorKind m_kind;
    // Implicitly shared, so copying the error never throws.
    QByteArray m_text;
};

} // namespace volvenda
