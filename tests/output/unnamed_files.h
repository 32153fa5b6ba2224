#pragma once

// Unless 0, the error with which this test program's file system refuses
// unnamed files (opening with O_TMPFILE): EOPNOTSUPP as NFS and FUSE do,
// EISDIR as kernels older than such files. The writer then takes its way
// through a named file.
extern int unnamedFilesRefusedWith;
