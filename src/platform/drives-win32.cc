#include "platform/drives.h"

#include <windows.h>

#include "platform/win32_text.h"

namespace orvello::platform {

std::vector<std::string> ListDrives() {
  // A double-NUL-terminated list of roots: "C:\", NUL, "D:\", NUL, ..., NUL.
  std::wstring list(GetLogicalDriveStringsW(0, nullptr), L'\0');
  list.resize(GetLogicalDriveStringsW(static_cast<DWORD>(list.size()), list.data()));
  std::vector<std::string> drives;
  for (size_t start = 0; start < list.size();) {
    size_t end = list.find(L'\0', start);
    if (end == std::wstring::npos) end = list.size();
    std::string root;
    if (end > start && Cp1250FromWide(std::wstring_view(list).substr(start, end - start), &root))
      drives.push_back(root);
    start = end + 1;
  }
  return drives;
}

}  // namespace orvello::platform
