#pragma once

#include "runtime/system_result.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cerrno>

namespace volvenda {

// Names for temporary files beside the file they are to become.

// The temporary name beside a file called name (no folder): its first 32
// bytes at most, cut between characters, a dot and six random letters or
// digits, so that it stays short whatever the length of name.
[[nodiscard]] QByteArray temporaryNameFor(QByteArrayView name);

// Makes one attempt at a fresh temporary name for name and hands it to
// create, which returns a SystemResult<void>; tries again while the name is
// taken (EEXIST). Gives the name taken, or create's last error.
template<typename Create>
SystemResult<QByteArray> withFreshName(const QByteArray &name, Create &&create)
{
    constexpr int attempts = 100;
    SystemResult<void> created;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QByteArray temporary = temporaryNameFor(name);
        created = create(temporary);
        if (created)
            return temporary;
        if (created.error() != EEXIST)
            break;
    }
    return SystemError {created.error()};
}

} // namespace volvenda
