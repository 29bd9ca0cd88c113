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
/// UTF-8 file names, on Windows to UTF-16 through code page 1250 for the wide file API. Errors
/// are mapped to the codes the original platform reports: missing file 2, missing folder on the
/// way 3, too many open files 4, no permission or a directory 5, no space 101; on POSIX systems a
/// path too long is 3, on Windows every other Win32 code stands for itself (a file in use by
/// another program, a sharing violation, is 32).
std::unique_ptr<core::DiskInterface> MakeRealDisk();

/// The name by which the operating system knows the Windows-1250 path `path`, in UTF-8: the file
/// name itself on POSIX systems; on Windows the text of the UTF-16 name the file API is given.
std::string NativeFileName(const std::string& path);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_REAL_DISK_H_
