#pragma once

#include <QFile>
#include <QString>
#include <QTest>

#include <cstring>

#include <initializer_list>
#include <utility>

#if defined(__has_feature) // the sanitizer builds are clang's
constexpr bool underAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool underAddressSanitizer = false;
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
