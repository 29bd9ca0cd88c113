#ifndef ORVELLO_PLATFORM_REAL_DISK_H_
#define ORVELLO_PLATFORM_REAL_DISK_H_

#include <memory>
#include <string>

#include "core/disk_interface.h"

namespace orvello::platform {

/// The path separator of the platform the program is built for.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

/// The file system of this machine. Paths are Windows-1250; on POSIX systems they are converted to
/// UTF-8 file names, on Windows they go to the ANSI file API as they are. Errors are mapped to the
/// codes the original platform reports: missing file 2, missing folder on the way 3, too many
/// open files 4, no permission or a directory 5, no space 101, a path too long 3.
std::unique_ptr<core::DiskInterface> MakeRealDisk();

/// The name by which the operating system knows the Windows-1250 path `path`.
std::string NativeFileName(const std::string& path);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_REAL_DISK_H_
