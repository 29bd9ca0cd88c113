// Implementation details: the converter beside the program comes first, as an installation that
// brings its own ffmpeg.exe means it. The probe's converter writes its errors into an anonymous
// pipe, which cannot be waited on with a deadline: the caller polls it and the process in turns.
#include "platform/converter.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/win32_process.h"
#include "platform/win32_text.h"

namespace orvello::platform {

namespace {

using Clock = std::chrono::steady_clock;

bool IsFile(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string InCp1250(const std::wstring& path) {
  std::string cp1250;
  return Cp1250FromWide(path, &cp1250) ? cp1250 : "";
}

// Appends what the pipe holds now to `*text`, without waiting.
void TakeWaiting(HANDLE pipe, std::string* text) {
  char buffer[4096];
  DWORD waiting = 0, got = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
         ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
    if (text->size() < 65536) text->append(buffer, got);
  }
}

// Waits for `process` until `deadline`, reading `pipe` meanwhile, then ends it; true with
// `*exit_code` when it ended by itself.
bool WaitUntil(HANDLE process, HANDLE pipe, Clock::time_point deadline, std::string* errors,
               DWORD* exit_code) {
  for (;;) {
    TakeWaiting(pipe, errors);
    DWORD waited = WaitForSingleObject(process, 20);
    if (waited == WAIT_OBJECT_0) {
      TakeWaiting(pipe, errors);
      return GetExitCodeProcess(process, exit_code) != 0;
    }
    if (waited != WAIT_TIMEOUT || Clock::now() >= deadline) break;
  }
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  return false;
}

std::string FirstLine(const std::string& text) {
  std::string line = text.substr(0, text.find_first_of("\r\n"));
  return line.empty() ? "no message" : line;
}

}  // namespace

bool IsProgramFile(const std::string& path) {
  std::wstring wide = WidePath(path);
  size_t dot = wide.find_last_of(L'.');
  std::wstring ending = dot == std::wstring::npos ? L"" : wide.substr(dot);
  return IsFile(wide) &&
         (_wcsicmp(ending.c_str(), L".exe") == 0 || _wcsicmp(ending.c_str(), L".com") == 0);
}

std::string FindConverter() {
  std::vector<std::wstring> candidates = {OwnFolder() + L"ffmpeg.exe"};
  DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(size, L'\0');
  path.resize(GetEnvironmentVariableW(L"PATH", path.data(), size));
  for (size_t start = 0; start < path.size();) {
    size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    std::wstring folder = path.substr(start, end - start);
    if (!folder.empty() && folder != L".")
      candidates.push_back(folder + (folder.back() == L'\\' ? L"" : L"\\") + L"ffmpeg.exe");
    start = end + 1;
  }
  for (const std::wstring& candidate : candidates) {
    if (IsFile(candidate) && !InCp1250(FullPath(candidate)).empty())
      return InCp1250(FullPath(candidate));
  }
  return "";
}

RecordingProbe ProbeRecording(const std::string& converter, const std::string& media,
                              std::chrono::milliseconds timeout) {
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, nullptr, 0))
    return {RecordingProbe::Outcome::kUnknown, Win32ErrorText(GetLastError())};
  std::wstring program = WidePath(converter);
  std::wstring line = CommandLine({program, L"-nostdin", L"-hide_banner", L"-v", L"error", L"-i",
                                   WidePath(media), L"-t", L"1", L"-f", L"null", L"-"});
  HANDLE process = StartProcess(program, line, {L"", true, true, write_end});
  DWORD start_error = GetLastError();
  CloseHandle(write_end);
  if (process == nullptr) {
    CloseHandle(read_end);
    return {RecordingProbe::Outcome::kUnknown, Win32ErrorText(start_error)};
  }
  std::string errors;
  DWORD exit_code = 0;
  bool ended = WaitUntil(process, read_end, Clock::now() + timeout, &errors, &exit_code);
  CloseHandle(process);
  CloseHandle(read_end);
  if (!ended) return {RecordingProbe::Outcome::kUnknown, "it did not finish in time"};
  if (exit_code == 0) return {RecordingProbe::Outcome::kReadable, ""};
  return {RecordingProbe::Outcome::kUnreadable, FirstLine(errors)};
}

}  // namespace orvello::platform
