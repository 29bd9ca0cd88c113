// window_probe.exe: starts a desktop program and tells whether its main window shows, for the
// test of an installed copy:
//
//   window_probe.exe PROGRAM FOLDER CAPTION
//
// starts PROGRAM in FOLDER, waits (at most kPatience) until the program shows a window titled
// CAPTION, closes it as the user would and waits for the program to end. Exit status 0 when the
// window showed and the program then ended with status 0; 1 otherwise, with the reason on
// standard error: no window, another window first (an error dialog, named), or a failed end.
#include <windows.h>

#include <iostream>
#include <string>

namespace {

constexpr DWORD kPatience = 60000;  // milliseconds
constexpr DWORD kPoll = 100;

struct Search {
  DWORD process = 0;
  HWND found = nullptr;
  std::wstring caption;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != search->process || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t caption[256] = {};
  GetWindowTextW(hwnd, caption, 256);
  search->found = hwnd;
  search->caption = caption;
  return FALSE;
}

int Fail(const std::wstring& why) {
  std::wcerr << L"window_probe: " << why << L"\n";
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return Fail(L"usage: window_probe PROGRAM FOLDER CAPTION");
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, argv[2],
                      &startup, &started)) {
    return Fail(L"cannot start " + std::wstring(argv[1]));
  }
  CloseHandle(started.hThread);
  Search search;
  search.process = started.dwProcessId;
  for (DWORD waited = 0; !search.found && waited < kPatience; waited += kPoll) {
    if (WaitForSingleObject(started.hProcess, kPoll) == WAIT_OBJECT_0) break;
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  }
  int status = 0;
  if (!search.found) {
    status = Fail(L"the program showed no window");
  } else if (search.caption != argv[3]) {
    status = Fail(L"the first window was \"" + search.caption + L"\"");
  } else {
    std::wcout << L"window shown: \"" << search.caption << L"\"\n";
  }
  if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
  DWORD exit_code = 1;
  if (WaitForSingleObject(started.hProcess, kPatience) != WAIT_OBJECT_0) {
    TerminateProcess(started.hProcess, 1);
    status = Fail(L"the program did not end when its window was closed");
  } else if (GetExitCodeProcess(started.hProcess, &exit_code) && exit_code != 0 && status == 0) {
    status = Fail(L"the program ended with status " + std::to_wstring(exit_code));
  }
  CloseHandle(started.hProcess);
  return status;
}
