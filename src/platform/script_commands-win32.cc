// Implementation details: names go to the wide API through code page 1250, as the program's files
// do, so a Slovak name is found whatever the console's code page (the system's interpreter reads
// a script in that code page and misses every such file), and in their long form (LongPathForm),
// so that a file in a working directory near the length limit is found too. Del is DeleteFileW
// on the one entry FindFirstFileW matches, and a program runs through CreateProcessW, never
// through a shell, with the runner's standard handles, its output on the runner's standard error.
//
// Copy writes a plain temporary file beside the destination (win32_plain_file.h) and renames it
// over the destination's name. A rename replaces whatever entry has the name, a link included,
// and never writes through it, whatever appears there meanwhile; a link at the temporary name is
// replaced before the write. A copy into a folder below the working directory that is a link (a
// junction, a symbolic link, a mount point) is refused: those folders are checked by name just
// before the copy, against the links a lecture folder brings along, not against a program racing
// the runner. A destination that names the working directory is that folder even when it is gone
// (deleted from outside while the script runs): the copy then fails rather than create a file of
// the folder's name.
//
// A program named without an extension is looked for as the interpreter looks for it: with .com,
// .exe, .bat and .cmd in turn, in the folder the name gives, or else in the working directory and
// then each folder of PATH. A batch file runs in the interpreter without its AutoRun commands, on
// a command line that passes every argument as it stands (BatchCommandLine).
#include <windows.h>

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/file_names.h"
#include "platform/real_disk.h"
#include "platform/script_commands.h"
#include "platform/win32_file_identity.h"
#include "platform/win32_plain_file.h"
#include "platform/win32_process.h"
#include "platform/win32_text.h"

namespace orvello::platform {

namespace {

constexpr const wchar_t* kProgramExtensions[] = {L".com", L".exe", L".bat", L".cmd"};
constexpr wchar_t kTempSuffix[] = L".orvello-tmp";

std::string Shown(const std::string& cp1250) { return SingleQuoted(core::Cp1250ToUtf8(cp1250)); }
std::string Shown(const std::wstring& wide) { return SingleQuoted(Utf8FromWide(wide)); }

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool EndsWithIgnoringCase(const std::wstring& text, const wchar_t* ending) {
  size_t length = wcslen(ending);
  return text.size() >= length && _wcsicmp(text.c_str() + text.size() - length, ending) == 0;
}

// The attributes of `path`, or INVALID_FILE_ATTRIBUTES with GetLastError() set.
DWORD Attributes(const std::wstring& path) {
  return GetFileAttributesW(LongPathForm(path).c_str());
}

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// `path` without its trailing separators.
std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return path;
}

bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The working directory, absolute and without a trailing separator, also when it is gone.
std::wstring WorkingFolder() { return WithoutTrailingSeparators(FullPath(L".")); }

// True when `name` names the working directory, whether or not it still exists.
bool NamesWorkingFolder(const std::string& name) {
  return !name.empty() &&
         SameNameIgnoringCase(WithoutTrailingSeparators(FullPath(WideFromCp1250(name))),
                              WorkingFolder());
}

// True when a folder between the working directory and the file `path` is a link: a copy there
// would land wherever it leads.
bool LinkedFolderOnTheWay(const std::wstring& path) {
  std::wstring full = FullPath(path), here = WorkingFolder() + L'\\';
  if (full.size() <= here.size() || !SameNameIgnoringCase(full.substr(0, here.size()), here))
    return false;
  for (size_t cut = full.find(L'\\', here.size()); cut != std::wstring::npos;
       cut = full.find(L'\\', cut + 1)) {
    DWORD attributes = Attributes(full.substr(0, cut));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
      return true;
  }
  return false;
}

// Empties `out`, copies `in` into it and gives it the time of last change of `in`; returns 0 or
// the Win32 error. Only files on a disk are taken.
DWORD Transfer(HANDLE in, HANDLE out) {
  if (GetFileType(in) != FILE_TYPE_DISK || GetFileType(out) != FILE_TYPE_DISK)
    return ERROR_ACCESS_DENIED;
  if (!SetEndOfFile(out)) return GetLastError();
  std::vector<char> buffer(DWORD{1} << 16);
  DWORD count = 0;
  while (ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr)) {
    if (count == 0) {
      FILETIME changed;
      if (GetFileTime(in, nullptr, nullptr, &changed) &&
          !SetFileTime(out, nullptr, nullptr, &changed))
        return GetLastError();
      return 0;
    }
    for (DWORD done = 0, written = 0; done < count; done += written) {
      if (!WriteFile(out, buffer.data() + done, count - done, &written, nullptr))
        return GetLastError();
    }
  }
  return GetLastError();
}

// 0 when `path` takes a write, as a copy in place would need it: a missing file does; a file in
// use by another program, a read-only file or a folder gives its Win32 error.
DWORD WriteAccessError(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file != INVALID_HANDLE_VALUE) return CloseHandle(file) ? 0 : GetLastError();
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND ? 0 : error;
}

// Copies the file `source` to `destination` through a plain temporary file beside it, which then
// takes the destination's name: a reader never sees half a copy, and a link at the name is
// replaced, never followed. Returns 0 or the Win32 error.
DWORD CopyContents(const std::wstring& source, const std::wstring& destination) {
  if (DWORD error = WriteAccessError(destination)) return error;
  HANDLE in = CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (in == INVALID_HANDLE_VALUE) return GetLastError();
  const std::wstring temp = destination + kTempSuffix;
  HANDLE out = OpenPlainFileForWriting(temp, 0);
  DWORD error = out == INVALID_HANDLE_VALUE ? GetLastError() : Transfer(in, out);
  CloseHandle(in);
  if (out == INVALID_HANDLE_VALUE) return error;
  if (!CloseHandle(out) && error == 0) error = GetLastError();
  if (error == 0 && !MoveFileExW(temp.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING))
    error = GetLastError();
  if (error != 0) DeleteFileW(temp.c_str());
  return error;
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

// The file that runs as `program_name`, or "" when there is none.
std::wstring FindProgram(const std::string& program_name) {
  std::wstring program = WideFromCp1250(program_name);
  std::string_view name = core::LastComponent(program_name);
  bool has_extension = name.find('.') != std::string_view::npos;
  std::vector<std::wstring> candidates;
  if (name.size() != program_name.size()) {
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
  std::vector<std::wstring> wide;
  for (size_t i = 1; i < args.size(); ++i) wide.push_back(WideFromCp1250(args[i]));
  std::wstring application = found, line;
  if (EndsWithIgnoringCase(found, L".bat") || EndsWithIgnoringCase(found, L".cmd")) {
    application = Interpreter();
    line = BatchCommandLine(found, wide);
    if (line.empty()) {
      *problem =
          "the command interpreter cannot take a '\"', a control character or, in the "
          "program's path, a '%' as it stands";
      return nullptr;
    }
  } else if (!EndsWithIgnoringCase(found, L".exe") && !EndsWithIgnoringCase(found, L".com")) {
    *problem = "not a program";
    return nullptr;
  } else {
    wide.insert(wide.begin(), found);
    line = CommandLine(wide);
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
  std::wstring source = WideFromCp1250(source_name);
  std::string shown_source = Shown(source_name);
  DWORD attributes = Attributes(source);
  if (attributes == INVALID_FILE_ATTRIBUTES || IsFolder(attributes)) {
    std::string why = IsFolder(attributes) ? "not a file" : Win32ErrorText(GetLastError());
    log.Say("cannot copy " + shown_source + ": " + why);
    return false;
  }
  std::string target = destination_name;
  if (IsFolder(Attributes(WideFromCp1250(target))) || NamesWorkingFolder(target)) {
    if (target.empty() || !core::IsNameSeparator(target.back())) target += '\\';
    target += core::LastComponent(source_name);
  }
  std::wstring destination = WideFromCp1250(target);
  std::string cannot = "cannot copy " + shown_source + " to " + Shown(target);
  if (SameFile(LongPathForm(source), LongPathForm(destination))) {
    log.Say("cannot copy " + shown_source + " onto itself");
    return false;
  }
  if (LinkedFolderOnTheWay(destination)) {
    log.Say(cannot + ": a folder on the way is a link that leads elsewhere");
    return false;
  }
  if (DWORD error = CopyContents(LongPathForm(source), LongPathForm(destination))) {
    log.Say(cannot + ": " + Win32ErrorText(error));
    return false;
  }
  log.Say("copied " + shown_source + " to " + Shown(target));
  return true;
}

bool DeleteCommand(const std::string& name, LineLog& log) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WidePath(name).c_str(), &found);
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
  std::string_view folder(name.data(), name.size() - core::LastComponent(name).size());
  if (!DeleteFileW(LongPathForm(WideFromCp1250(folder) + entry).c_str())) {
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
  std::wstring found = FindProgram(args[0]);
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
