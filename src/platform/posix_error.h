#ifndef ORVELLO_PLATFORM_POSIX_ERROR_H_
#define ORVELLO_PLATFORM_POSIX_ERROR_H_

namespace orvello::platform {

/// The I/O error code the program shows for the POSIX error number `err`: the code the original
/// platform reports for the same failure (ENOENT 2, ENOTDIR 3, EACCES 5, EMFILE 4, ENOSPC 101,
/// EIO 31, ...), else `err` itself.
int IoErrorCodeFor(int err);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_POSIX_ERROR_H_
