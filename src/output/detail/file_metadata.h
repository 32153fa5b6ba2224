#pragma once

#include "runtime/system_result.h"

#include <QByteArray>
#include <QList>

#include <sys/stat.h>

namespace volvenda {

// Gives the new file open at fd what the file it replaces carries (existing,
// as lstat saw it at path), where the writer may set it:
// - its owner and group: root both, a member of the file's group the group;
//   otherwise the new file stays the writer's, as any file the writer makes;
// - its permissions;
// - its access ACL (named users and groups, the mask), or none if it had
//   none, whatever the folder's default ACL gave the new file;
// - its user.* extended attributes, also where its owner writes it but may
//   not read it (mode 0200): the owner is given the right to read it for
//   the moment they are read.
// Attributes of the namespaces only the system sets (security.*, trusted.*)
// are left as the system gives them, and all of them on a file system that
// keeps none.
// Fails with the errno of what must fail the write (an input/output error, no
// space for the attributes, a user.* attribute the writer may not read).
[[nodiscard]] SystemResult<void> keepMetadata(const QByteArray &path, const struct stat &existing, int fd);

// The user.* attributes of the file at path that the writer may not read, and
// so could not keep: those of a file that others may replace but not read.
[[nodiscard]] QList<QByteArray> unreadableAttributes(const QByteArray &path, const struct stat &existing);

} // namespace volvenda
