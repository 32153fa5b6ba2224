#pragma once

#include <cassert>
#include <cerrno>
#include <utility>

namespace volvenda {

// The errno of a call into the system that failed; never 0.
struct SystemError
{
    int number = 0;
};

// errno as the failed call left it.
[[nodiscard]] inline SystemError lastSystemError()
{
    return SystemError {errno};
}

// What a call into the system gives: its value, or the SystemError of why it
// failed. The message a user reads is made from the error once, by the
// caller who names the file, as a RuntimeError. T is a value that has an
// empty state (a descriptor, bytes, a number), kept while the call failed.
template<typename T = void>
class [[nodiscard]] SystemResult
{
public:
    // NOLINTNEXTLINE(google-explicit-constructor): returned as a plain value.
    SystemResult(T value)
        : m_value(std::move(value))
    {
    }
    // NOLINTNEXTLINE(google-explicit-constructor): returned as a plain error.
    SystemResult(SystemError error)
        : m_error(error.number)
    {
        assert(m_error != 0);
    }

    [[nodiscard]] bool ok() const { return m_error == 0; }
    explicit operator bool() const { return ok(); }
    // The errno, or 0 once the call succeeded.
    [[nodiscard]] int error() const { return m_error; }
    [[nodiscard]] T &value()
    {
        assert(ok());
        return m_value;
    }
    [[nodiscard]] T &&take()
    {
        assert(ok());
        return std::move(m_value);
    }

private:
    T m_value {};
    int m_error = 0;
};

// A call that gives nothing but whether it worked.
template<>
class [[nodiscard]] SystemResult<void>
{
public:
    SystemResult() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): returned as a plain error.
    SystemResult(SystemError error)
        : m_error(error.number)
    {
        assert(m_error != 0);
    }

    [[nodiscard]] bool ok() const { return m_error == 0; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] int error() const { return m_error; }

private:
    int m_error = 0;
};

} // namespace volvenda
