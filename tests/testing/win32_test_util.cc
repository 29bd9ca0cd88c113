#include "win32_test_util.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "platform/win32_process.h"
#include "platform/win32_text.h"
#include "test_util.h"

namespace orvello::testing {

namespace {

// An inheritable file for a child's output, in the system's temporary folder.
class CaptureFile {
 public:
  CaptureFile() {
    static std::atomic<int> count{0};
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"orvello-capture-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(count++);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    handle_ = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  }
  ~CaptureFile() {
    CloseHandle(handle_);
    DeleteFileW(path_.c_str());
  }
  CaptureFile(const CaptureFile&) = delete;
  CaptureFile& operator=(const CaptureFile&) = delete;

  HANDLE handle() const { return handle_; }
  std::string Contents() const { return ReadFileBytes(platform::Utf8FromWide(path_)); }

 private:
  std::wstring path_;
  HANDLE handle_;
};

}  // namespace

int RunCapturing(const std::vector<std::string>& args, std::string* out, std::string* err) {
  std::vector<std::wstring> wide;
  for (const std::string& arg : args) wide.push_back(platform::WideFromUtf8(arg));
  std::wstring line = platform::CommandLine(wide);
  CaptureFile out_file, err_file;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out_file.handle();
  startup.hStdError = err_file.handle();
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(wide[0].c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "cannot start " << args[0] << ": " << platform::Win32ErrorText(GetLastError());
    return -1;
  }
  DWORD exit_code = 0;
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  *out = out_file.Contents();
  *err = err_file.Contents();
  return static_cast<int>(exit_code);
}

std::string ProgramFolder() { return platform::Utf8FromWide(platform::OwnFolder()); }

}  // namespace orvello::testing
