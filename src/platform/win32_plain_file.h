#ifndef ORVELLO_PLATFORM_WIN32_PLAIN_FILE_H_
#define ORVELLO_PLATFORM_WIN32_PLAIN_FILE_H_

#include <windows.h>

#include <string>

// Windows only: writing a file without ever writing through a link someone else left at its name.
namespace orvello::platform {

/// Opens the file `path` (as the wide file API takes it) for writing, creating it if needed, never
/// through a link: when the name is a symbolic link, junction or other reparse point, or a file
/// with further hard links, that name alone is removed (what it leads to stays untouched) and a
/// new file made in its place. The file keeps its bytes: the caller empties it. Returns the handle,
/// or INVALID_HANDLE_VALUE with GetLastError() set; a name that turns into a link again meanwhile
/// fails with ERROR_FILE_EXISTS rather than being followed.
HANDLE OpenPlainFileForWriting(const std::wstring& path, DWORD share);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WIN32_PLAIN_FILE_H_
