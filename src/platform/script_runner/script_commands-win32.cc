// Implementation details: names go to the wide API through code page 1250, as the program's files
// do, so a Slovak name is found whatever the console's code page (the system's interpreter reads
// a script in that code page and misses every such file). Copy is CopyFileW, Del is DeleteFileW
// on the one entry FindFirstFileW matches, and a program runs through CreateProcessW, never
// through a shell, with the runner's standard handles, its output on the runner's standard error.
//
// A program named without an extension is looked for as the interpreter looks for it: with .com,
// .exe, .bat and .cmd in turn, in the folder the name gives, or else in the working directory and
// then each folder of PATH. A batch file runs in "cmd.exe /d /c", the interpreter without its
// AutoRun commands.
#include <windows.h>

#include <string>
#include <vector>

#include "core/encoding.h"
#include "platform/real_disk.h"
#include "platform/script_runner/script_commands.h"
#include "platform/win32_file_identity.h"
#include "platform/win32_process.h"
#include "platform/win32_text.h"

namespace orvello::platform {

namespace {

constexpr const wchar_t* kProgramExtensions[] = {L".com", L".exe", L".bat", L".cmd"};

std::string Shown(const std::string& cp1250) { return Quoted(core::Cp1250ToUtf8(cp1250)); }
std::string Shown(const std::wstring& wide) { return Quoted(Utf8FromWide(wide)); }

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The part of `path` after its last separator (or drive colon).
std::wstring LastComponent(const std::wstring& path) {
  size_t cut = path.find_last_of(L"\\/:");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

bool EndsWithIgnoringCase(const std::wstring& text, const wchar_t* ending) {
  size_t length = wcslen(ending);
  return text.size() >= length && _wcsicmp(text.c_str() + text.size() - length, ending) == 0;
}

// The attributes of `path`, or INVALID_FILE_ATTRIBUTES with GetLastError() set.
DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// True when `a` and `b` are one existing file, however named.
bool SameFile(const std::wstring& a, const std::wstring& b) {
  BY_HANDLE_FILE_INFORMATION first, second;
  return FileIdentity(a, &first) && FileIdentity(b, &second) && SameIdentity(first, second);
}

// The folders a program named without a folder is looked for in: the working directory, then
// those of PATH.
std::vector<std::wstring> SearchFolders() {
  std::vector<std::wstring> folders = {L"."};
  DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(size, L'\0');
  path.resize(GetEnvironmentVariableW(L"PATH", path.data(), size));
  for (size_t start = 0; start <= path.size();) {
    size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    if (end > start) folders.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

// The file that runs as `program`, or "" when there is none.
std::wstring FindProgram(const std::wstring& program) {
  std::wstring name = LastComponent(program);
  bool has_extension = name.find(L'.') != std::wstring::npos;
  std::vector<std::wstring> candidates;
  if (name.size() != program.size()) {
    candidates.push_back(program);
  } else {
    for (const std::wstring& folder : SearchFolders())
      candidates.push_back(IsSeparator(folder.back()) ? folder + program
                                                      : folder + L'\\' + program);
  }
  for (const std::wstring& candidate : candidates) {
    if (has_extension) {
      DWORD attributes = Attributes(candidate);
      if (attributes != INVALID_FILE_ATTRIBUTES && !IsFolder(attributes)) return candidate;
      continue;
    }
    for (const wchar_t* extension : kProgramExtensions) {
      DWORD attributes = Attributes(candidate + extension);
      if (attributes != INVALID_FILE_ATTRIBUTES && !IsFolder(attributes))
        return candidate + extension;
    }
  }
  return {};
}

// The system's command interpreter.
std::wstring Interpreter() {
  wchar_t folder[MAX_PATH];
  UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length) + L"\\cmd.exe";
}

// Starts `found` with `args` (args[0] is the program as the script names it), its standard error
// on `error` when that is not null; returns the process or nullptr with `*problem` set.
HANDLE StartProgram(const std::wstring& found, const std::vector<std::string>& args,
                    std::string* problem, HANDLE error = nullptr) {
  std::vector<std::wstring> wide = {found};
  for (size_t i = 1; i < args.size(); ++i) wide.push_back(WideFromCp1250(args[i]));
  std::wstring application = found, line = CommandLine(wide);
  if (EndsWithIgnoringCase(found, L".bat") || EndsWithIgnoringCase(found, L".cmd")) {
    // cmd.exe drops the outer quotes and runs the rest as it stands.
    application = Interpreter();
    line = L"cmd.exe /d /c \"" + line + L"\"";
  } else if (!EndsWithIgnoringCase(found, L".exe") && !EndsWithIgnoringCase(found, L".com")) {
    *problem = "not a program";
    return nullptr;
  }
  HANDLE process = StartProcess(application, line, {L"", true, false, error});
  if (process == nullptr) *problem = Win32ErrorText(GetLastError());
  return process;
}

bool IsBatchFile(const std::wstring& found) {
  return EndsWithIgnoringCase(found, L".bat") || EndsWithIgnoringCase(found, L".cmd");
}

// Starts `found` with its standard error on a pipe, hands everything the pipe brings to `errors`
// until the program and its children have closed it; returns the process or nullptr.
HANDLE StartPiped(const std::wstring& found, const std::vector<std::string>& args,
                  std::string* problem, ErrorSink& errors) {
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, nullptr, 0)) {
    *problem = Win32ErrorText(GetLastError());
    return nullptr;
  }
  HANDLE process = StartProgram(found, args, problem, write_end);
  CloseHandle(write_end);
  if (process != nullptr) {
    char buffer[4096];
    DWORD read_bytes = 0;
    while (ReadFile(read_end, buffer, sizeof(buffer), &read_bytes, nullptr) && read_bytes > 0)
      errors.Take(std::string_view(buffer, read_bytes));
    errors.Finish();
  }
  CloseHandle(read_end);
  return process;
}

}  // namespace

bool CopyCommand(const std::string& source_name, const std::string& destination_name,
                 LineLog& log) {
  std::wstring source = WidePath(source_name);
  std::wstring destination = WidePath(destination_name);
  std::string shown_source = Shown(source_name);
  DWORD attributes = Attributes(source);
  if (attributes == INVALID_FILE_ATTRIBUTES || IsFolder(attributes)) {
    std::string why = IsFolder(attributes) ? "not a file" : Win32ErrorText(GetLastError());
    log.Say("cannot copy " + shown_source + ": " + why);
    return false;
  }
  std::wstring shown_destination = WideFromCp1250(destination_name);
  if (IsFolder(Attributes(destination))) {
    std::wstring name = LastComponent(WideFromCp1250(source_name));
    for (std::wstring* path : {&destination, &shown_destination}) {
      if (!IsSeparator(path->back())) *path += L'\\';
      *path += name;
    }
  }
  if (SameFile(source, destination)) {
    log.Say("cannot copy " + shown_source + " onto itself");
    return false;
  }
  if (!CopyFileW(source.c_str(), destination.c_str(), FALSE)) {
    log.Say("cannot copy " + shown_source + " to " + Shown(shown_destination) + ": " +
            Win32ErrorText(GetLastError()));
    return false;
  }
  log.Say("copied " + shown_source + " to " + Shown(shown_destination));
  return true;
}

bool DeleteCommand(const std::string& name, LineLog& log) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WideFromCp1250(name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    std::string why = error == ERROR_FILE_NOT_FOUND ? "no such file" : Win32ErrorText(error);
    log.Say("cannot delete " + Shown(name) + ": " + why);
    return false;
  }
  // Only a folder that tells case apart can hold two matches (Skus.txt and the user's skus.txt).
  WIN32_FIND_DATAW other;
  bool several = FindNextFileW(search, &other);
  FindClose(search);
  std::wstring entry = found.cFileName;
  if (several) {
    log.Say("cannot delete " + Shown(name) + ": several files match it in case");
    return false;
  }
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    log.Say("cannot delete " + Shown(entry) + ": a folder");
    return false;
  }
  if (!DeleteFileW(entry.c_str())) {
    log.Say("cannot delete " + Shown(entry) + ": " + Win32ErrorText(GetLastError()));
    return false;
  }
  log.Say("deleted " + Shown(entry));
  return true;
}

bool MoveCommand(const std::string& source_name, const std::string& destination_name,
                 LineLog& log) {
  std::wstring source = WidePath(source_name);
  std::wstring destination = WidePath(destination_name);
  if (IsFolder(Attributes(destination))) {
    log.Say("cannot move " + Shown(source_name) + " onto the folder " + Shown(destination_name));
    return false;
  }
  if (!MoveFileExW(source.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    log.Say("cannot move " + Shown(source_name) + " to " + Shown(destination_name) + ": " +
            Win32ErrorText(GetLastError()));
    return false;
  }
  log.Say("moved " + Shown(source_name) + " to " + Shown(destination_name));
  return true;
}

bool RunCommand(const std::vector<std::string>& args, LineLog& log, ErrorSink* errors) {
  const std::string shown = Shown(args[0]);
  std::wstring found = FindProgram(WideFromCp1250(args[0]));
  if (found.empty()) {
    log.Say("cannot run " + shown + ": " + Win32ErrorText(ERROR_FILE_NOT_FOUND));
    return false;
  }
  std::string problem;
  HANDLE process = errors && !IsBatchFile(found) ? StartPiped(found, args, &problem, *errors)
                                                 : StartProgram(found, args, &problem);
  if (process == nullptr) {
    log.Say("cannot run " + shown + ": " + problem);
    return false;
  }
  DWORD exit_code = 0;
  bool known = WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process, &exit_code);
  DWORD error = known ? 0 : GetLastError();
  CloseHandle(process);
  if (!known) {
    log.Say("lost " + shown + ": " + Win32ErrorText(error));
    return false;
  }
  log.Say(shown + " exited with status " + std::to_string(exit_code));
  return exit_code == 0;
}

}  // namespace orvello::platform
