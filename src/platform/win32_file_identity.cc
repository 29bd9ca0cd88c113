#include "platform/win32_file_identity.h"

namespace orvello::platform {

bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION* info) {
  // Backup semantics open a folder too; no access right is asked for.
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool known = GetFileInformationByHandle(file, info);
  CloseHandle(file);
  return known;
}

bool SameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace orvello::platform
