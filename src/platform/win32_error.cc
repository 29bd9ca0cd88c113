#include "platform/win32_error.h"

#include <windows.h>

#include "core/io_error.h"

namespace orvello::platform {

int IoErrorCodeForWin32(unsigned long error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return core::kDiskFull;
    default:
      return static_cast<int>(error);
  }
}

}  // namespace orvello::platform
