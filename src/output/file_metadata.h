#pragma once

#include <QByteArray>

#include <sys/stat.h>

namespace volvenda {

// Gives the new file open at fd what the file it replaces carries (existing,
// as lstat saw it at path), where the writer may set it:
// - its owner and group: root both, a member of the file's group the group;
//   otherwise the new file stays the writer's, as any file the writer makes;
// - its permissions;
// - its access ACL (named users and groups, the mask), or none if it had
//   none, whatever the folder's default ACL gave the new file;
// - its user.* extended attributes.
// Attributes of the namespaces only the system sets (security.*, trusted.*)
// are left as the system gives them, as are those the writer may not read,
// and all of them on a file system that keeps none.
// Returns 0, or the errno of what failed and must fail the write (an
// input/output error, no space for the attributes).
[[nodiscard]] int keepMetadata(const QByteArray &path, const struct stat &existing, int fd);

} // namespace volvenda
