// Implementation details: every open names the reparse point itself, never its target
// (FILE_FLAG_OPEN_REPARSE_POINT), and what decides is the record of the file the handle holds,
// so no link can take the place of the checked name between the check and the write. A link is
// replaced rather than refused: the name is deleted, which removes only that entry, and a new
// file is created with CREATE_NEW, which fails on any entry that appeared at the name meanwhile.
// A junction or a directory link is a folder: opening it as a file fails with "access denied".
#include "platform/win32_plain_file.h"

namespace orvello::platform {

namespace {

HANDLE OpenWithoutFollowing(const std::wstring& path, DWORD share, DWORD disposition) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, share, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// True when the file on the disk that `file` holds is reached through a link or also by another
// name; false for a plain file and for what is no file on a disk (a device, which the caller
// refuses). Sets `*error` when the record cannot be read.
bool IsLinked(HANDLE file, DWORD* error) {
  if (GetFileType(file) != FILE_TYPE_DISK) return false;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) {
    *error = GetLastError();
    return false;
  }
  return (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || info.nNumberOfLinks > 1;
}

}  // namespace

HANDLE OpenPlainFileForWriting(const std::wstring& path, DWORD share) {
  HANDLE file = OpenWithoutFollowing(path, share, OPEN_ALWAYS);
  if (file == INVALID_HANDLE_VALUE) return file;
  DWORD error = 0;
  if (!IsLinked(file, &error) && error == 0) return file;
  CloseHandle(file);
  if (error == 0 && !DeleteFileW(path.c_str())) error = GetLastError();
  if (error != 0) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  return OpenWithoutFollowing(path, share, CREATE_NEW);
}

}  // namespace orvello::platform
