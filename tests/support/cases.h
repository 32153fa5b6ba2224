#pragma once

#include "runtime/runtime_error.h"

#include <QFile>
#include <QString>
#include <QTest>

#include <cstring>

#include <initializer_list>
#include <optional>
#include <utility>

#if defined(__has_feature) // the sanitizer builds are clang's
constexpr bool UnderAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool UnderAddressSanitizer = false;
#endif

// A test table of one column, "row", holding a whole case: the table reads as
// a list of named cases and the test fetches a single struct.
template<typename Case>
void addRows(std::initializer_list<std::pair<const char *, Case>> rows)
{
    QTest::addColumn<Case>("row");
    for (const auto &[name, row] : rows)
        QTest::newRow(name) << row;
}

// The run-time error that work raised, or nothing if it raised none.
template<typename Work>
std::optional<volvenda::RuntimeError> failureOf(Work &&work)
{
    try {
        std::forward<Work>(work)();
    } catch (const volvenda::RuntimeError &error) {
        return error;
    }
    return std::nullopt;
}

// The kind of that error, for tables of cases that expect one or none.
template<typename Work>
std::optional<volvenda::ErrorKind> errorKindOf(Work &&work)
{
    const std::optional<volvenda::RuntimeError> failure = failureOf(std::forward<Work>(work));
    return failure ? std::optional(failure->kind()) : std::nullopt;
}

// A file's whole contents; nothing when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture written before, which a failed run must keep.
inline bool writeEarlier(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("an earlier picture") > 0;
}

// The system's words for an error number, as messages give them.
inline QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
