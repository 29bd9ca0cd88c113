#ifndef ORVELLO_PLATFORM_WIN32_FILE_IDENTITY_H_
#define ORVELLO_PLATFORM_WIN32_FILE_IDENTITY_H_

#include <windows.h>

#include <string>

// Windows only: whether two names lead to one file or folder, however each is spelled (case,
// links, junctions, "\\?\" prefixes), by the identity the file system gives it.
namespace orvello::platform {

/// The record of the existing file or folder `path` (as the wide file API takes it): its volume
/// serial number and file index, which together name it alone, and its attributes. Needs no
/// access right to the file itself. False when it cannot be opened or examined.
bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION* info);

/// True when the records `a` and `b` (FileIdentity) are of one file or folder.
bool SameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WIN32_FILE_IDENTITY_H_
