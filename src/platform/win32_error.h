#ifndef ORVELLO_PLATFORM_WIN32_ERROR_H_
#define ORVELLO_PLATFORM_WIN32_ERROR_H_

namespace orvello::platform {

/// The I/O error code the program shows for the Win32 error `error` (GetLastError()): the Win32
/// code itself (missing file 2, missing folder 3, too many open files 4, access denied or a folder
/// opened as a file 5, a sharing violation 32, ...), except that both "disk full" codes become
/// 101.
int IoErrorCodeForWin32(unsigned long error);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WIN32_ERROR_H_
