// Implementation details: the shell opens the file itself with its default action, so the page
// shows in whatever browser the user has chosen. The shell may use COM; it is set up for the call
// when the calling thread has not done so already, and left as it was found.
#include "platform/browser.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include "platform/real_disk.h"
#include "platform/win32_text.h"

namespace orvello::platform {

bool OpenInBrowser(const std::string& path, std::string* err) {
  std::wstring file = WideFromCp1250(path);
  std::wstring full = FullPath(file);
  if (!full.empty()) file = full;
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOASYNC;
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  BOOL opened = ShellExecuteExW(&info);
  DWORD error = opened ? 0 : GetLastError();
  if (SUCCEEDED(com)) CoUninitialize();
  if (!opened) {
    *err = "cannot open '" + Utf8FromWide(file) + "': " + Win32ErrorText(error);
    return false;
  }
  return true;
}

}  // namespace orvello::platform
