#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cerrno>
#include <optional>

namespace volvenda {

// Names for temporary files beside the file they are to become.

// The temporary name beside a file called name (no folder): its first 32
// bytes at most, cut between characters, a dot and six random letters or
// digits, so that it stays short whatever the length of name.
[[nodiscard]] QByteArray temporaryNameFor(QByteArrayView name);

// Makes one attempt at a fresh temporary name for name and hands it to
// create, which returns 0 or errno; tries again while the name is taken.
// Gives the name taken, or nothing with create's last errno in error.
template<typename Create>
std::optional<QByteArray> withFreshName(const QByteArray &name, int &error, Create &&create)
{
    constexpr int attempts = 100;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QByteArray temporary = temporaryNameFor(name);
        error = create(temporary);
        if (error == 0)
            return temporary;
        if (error != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace volvenda
