// Implementation details: the child gets the caller's standard handles as inheritable duplicates
// and nothing else, where the system can restrict what is inherited
// (PROC_THREAD_ATTRIBUTE_HANDLE_LIST): a long-running script must not keep a file or pipe of the
// caller's open behind its back.
//
// A batch file's line goes through the interpreter's own parser, which knows no backslash
// escapes. "/s /c" has it drop the line's first and last quote and nothing else; /v:off keeps '!'
// out of it whatever the registry says. The script's path stands in plain quotes. Each argument's
// quotes are escaped with '^' as well as every special character in it: an escaped quote starts
// no quoted text, so the interpreter reads the whole argument outside quotes, where a '^' makes
// the next character plain and is then dropped, and the batch file gets the argument in plain
// quotes. A '%' escaped so cannot close a variable's name: "%PATH^%" names the variable "PATH^".
#include "platform/win32_process.h"

#include <algorithm>

namespace orvello::platform {

namespace {

// An inheritable duplicate of a standard handle, closed when it goes away; null when there is
// none.
class InheritableHandle {
 public:
  explicit InheritableHandle(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    HANDLE self = GetCurrentProcess();
    if (!DuplicateHandle(self, handle, self, &handle_, 0, TRUE, DUPLICATE_SAME_ACCESS))
      handle_ = nullptr;
  }
  ~InheritableHandle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  InheritableHandle(const InheritableHandle&) = delete;
  InheritableHandle& operator=(const InheritableHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

bool HasControlCharacter(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c < L' ' && c != L'\t'; });
}

}  // namespace

std::wstring QuoteArgument(std::wstring_view arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring_view::npos)
    return std::wstring(arg);
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped; elsewhere they stand alone.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');  // before the closing quote
  quoted.push_back(L'"');
  return quoted;
}

std::wstring CommandLine(const std::vector<std::wstring>& args) {
  std::wstring line;
  for (const std::wstring& arg : args) {
    if (!line.empty()) line.push_back(L' ');
    line += QuoteArgument(arg);
  }
  return line;
}

std::wstring BatchCommandLine(const std::wstring& script, const std::vector<std::wstring>& args) {
  constexpr std::wstring_view kSpecial = L"\"&|<>^()%!";
  if (script.find_first_of(L"%\"") != std::wstring::npos || HasControlCharacter(script)) return {};
  std::wstring line = L"cmd.exe /d /v:off /s /c \"\"" + script + L"\"";
  for (const std::wstring& arg : args) {
    if (arg.find(L'"') != std::wstring::npos || HasControlCharacter(arg)) return {};
    line += L" ^\"";
    for (wchar_t c : arg) {
      if (kSpecial.find(c) != std::wstring_view::npos) line.push_back(L'^');
      line.push_back(c);
    }
    line += L"^\"";
  }
  return line + L"\"";
}

HANDLE StartProcess(const std::wstring& application, const std::wstring& command_line,
                    const ProcessOptions& options) {
  InheritableHandle input(GetStdHandle(STD_INPUT_HANDLE));
  InheritableHandle error(GetStdHandle(STD_ERROR_HANDLE));
  InheritableHandle output(GetStdHandle(STD_OUTPUT_HANDLE));
  InheritableHandle own_error(options.error);
  STARTUPINFOEXW startup = {};
  startup.StartupInfo.cb = sizeof(startup);
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  startup.StartupInfo.hStdInput = input.get();
  startup.StartupInfo.hStdOutput = options.output_to_error ? error.get() : output.get();
  startup.StartupInfo.hStdError = options.error ? own_error.get() : error.get();

  HANDLE inherited[4];
  DWORD count = 0;
  for (HANDLE handle : {input.get(), error.get(), output.get(), own_error.get()}) {
    if (handle != nullptr) inherited[count++] = handle;
  }
  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> attributes(size);
  auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
  bool restricted = count > 0 && InitializeProcThreadAttributeList(list, 1, 0, &size) &&
                    UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                              count * sizeof(HANDLE), nullptr, nullptr);
  if (restricted) startup.lpAttributeList = list;

  DWORD flags = CREATE_UNICODE_ENVIRONMENT | (restricted ? EXTENDED_STARTUPINFO_PRESENT : 0);
  if (options.own_group) flags |= CREATE_NEW_PROCESS_GROUP;
  if (GetConsoleWindow() == nullptr) flags |= CREATE_NO_WINDOW;
  std::wstring line = command_line;  // CreateProcessW may write into it
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessW(
      application.c_str(), line.data(), nullptr, nullptr, count > 0, flags, nullptr,
      options.folder.empty() ? nullptr : options.folder.c_str(), &startup.StartupInfo, &process);
  DWORD start_error = started ? 0 : GetLastError();
  if (restricted) DeleteProcThreadAttributeList(list);
  if (!started) {
    SetLastError(start_error);
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

std::wstring OwnFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace orvello::platform
