// Implementation details: a script runs in orvello-script.exe, the runner installed beside the
// program, never in the system's command interpreter, which would read the script in the
// console's OEM code page and so miss every file with a Slovak name. The runner starts in the
// script's folder, with the program's standard handles and console, in a process group of its
// own.
//
// Detached, the launcher first opens the script itself, so that a script that cannot be read
// fails the run as on other systems, and lets go of the runner once it has started: Windows
// keeps no zombies. Waiting, the process handle is kept until WaitAll collects it.
//
// A working directory is limited to MAX_PATH characters, its trailing separator included, even
// where a file's path is not: CreateProcessW refuses a longer one, and the "\\?\" form is no
// help there. A run asks CanStartIn first and refuses such a folder before it writes anything;
// inside the folder the runner reaches every file by its long form (LongPathForm).
#include "platform/script_launcher.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "core/io_error.h"
#include "platform/win32_error.h"
#include "platform/win32_process.h"
#include "platform/win32_text.h"

namespace orvello::platform {

struct ScriptLauncher::Started {
  std::string name;
  HANDLE process = nullptr;  ///< null when the runner did not start
  std::string problem;       ///< why it did not start
};

namespace {

constexpr wchar_t kRunnerName[] = L"orvello-script.exe";

// Opens and closes the script; returns 0 or the Win32 error.
DWORD CheckReadable(const std::wstring& script) {
  HANDLE file = CreateFileW(script.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  return 0;
}

// Starts the runner on `script` in `folder`; returns its process, or nullptr with `*problem` and
// `*error` set.
HANDLE StartRunner(const std::wstring& folder, const std::wstring& script, std::string* problem,
                   DWORD* error) {
  std::wstring runner = OwnFolder() + kRunnerName;
  HANDLE process = StartProcess(runner, CommandLine({runner, script}), {folder, false, true});
  if (process == nullptr) {
    *error = GetLastError();
    *problem = "cannot start '" + Utf8FromWide(runner) + "' in '" + Utf8FromWide(folder) +
               "': " + Win32ErrorText(*error);
  }
  return process;
}

ScriptLauncher::Outcome Collect(const std::string& name, HANDLE process) {
  DWORD exit_code = 0;
  bool known = WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process, &exit_code);
  DWORD error = known ? 0 : GetLastError();
  CloseHandle(process);
  if (!known) return {name, -1, "cannot wait for the script: " + Win32ErrorText(error)};
  int exit_status = static_cast<int>(exit_code);
  return {name, exit_status, exit_status == 0 ? "" : "exit status " + std::to_string(exit_status)};
}

// The error of a script that did not start, naming the file that could not be used.
core::IoError StartError(DWORD error, const std::wstring& file) {
  std::string name;
  if (!Cp1250FromWide(file, &name)) name = Utf8FromWide(file);
  return core::IoError(IoErrorCodeForWin32(error), name);
}

}  // namespace

ScriptLauncher::ScriptLauncher(bool wait) : wait_(wait) {}

ScriptLauncher::~ScriptLauncher() { WaitAll(); }

void ScriptLauncher::Start(const std::string& dir, const std::string& name) {
  std::wstring folder = WideFromCp1250(dir);
  std::wstring script = WideFromCp1250(name + ".bat");
  Started started{name, nullptr, ""};
  DWORD error = 0;
  if (!wait_) {
    // Nobody waits to hear it later: a script that cannot be read or started fails the run now,
    // instead of the run reporting success for work that will never happen.
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path.push_back(L'\\');
    if ((error = CheckReadable(LongPathForm(path + script))) != 0)
      throw StartError(error, path + script);
  }
  started.process = StartRunner(folder, script, &started.problem, &error);
  if (wait_) {
    started_.push_back(std::move(started));
  } else if (started.process == nullptr) {
    throw StartError(error, OwnFolder() + kRunnerName);
  } else {
    CloseHandle(started.process);
  }
}

bool ScriptLauncher::CanStartIn(const std::string& dir) {
  std::wstring full = FullPath(WideFromCp1250(dir));
  if (!full.empty() && full.back() != L'\\') full.push_back(L'\\');
  return full.size() < MAX_PATH;
}

std::vector<ScriptLauncher::Outcome> ScriptLauncher::WaitAll() {
  std::vector<Outcome> outcomes;
  for (const Started& started : started_) {
    if (started.process == nullptr) {
      outcomes.push_back({started.name, -1, started.problem});
    } else {
      outcomes.push_back(Collect(started.name, started.process));
    }
  }
  started_.clear();
  return outcomes;
}

}  // namespace orvello::platform
