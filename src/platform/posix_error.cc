#include "platform/posix_error.h"

#include <errno.h>

#include "core/io_error.h"

namespace orvello::platform {

namespace {
constexpr int kDeviceFailure = 31;  // the original platform's "device not functioning"
}  // namespace

int IoErrorCodeFor(int err) {
  switch (err) {
    case ENOENT:
      return core::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return core::kInvalidFilename;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ENXIO:  // a pipe with nobody at the other end
      return core::kFileAccessDenied;
    case EMFILE:
    case ENFILE:
      return core::kTooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
      return core::kDiskFull;
    case EIO:
      return kDeviceFailure;
    default:
      return err;
  }
}

}  // namespace orvello::platform
