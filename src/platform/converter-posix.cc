// Implementation details: PATH is searched as a shell searches it, for a regular file that may be
// run. The probe's converter writes its errors into a pipe that the caller reads with poll(), so
// that the wait can end at the deadline however much or little it writes.
#include "platform/converter.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/encoding.h"
#include "platform/real_disk.h"

extern char** environ;

namespace orvello::platform {

namespace {

using Clock = std::chrono::steady_clock;

bool IsRunnable(const std::string& native) {
  struct stat info;
  return stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         access(native.c_str(), X_OK) == 0;
}

// Starts `argv` with standard input and output on /dev/null and standard error into a pipe whose
// reading end goes to `*read_fd`; returns 0 or the error number.
int SpawnProbe(std::vector<char*>& argv, pid_t* pid, int* read_fd) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return errno;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
  int error = posix_spawn(pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  if (error != 0) {
    close(ends[0]);
    return error;
  }
  *read_fd = ends[0];
  return 0;
}

// Reads `fd` into `*text` until its writer closes it or `deadline` passes.
void ReadUntil(int fd, Clock::time_point deadline, std::string* text) {
  char buffer[4096];
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return;
    pollfd wanted = {fd, POLLIN, 0};
    int ready = poll(&wanted, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return;
    ssize_t got = read(fd, buffer, sizeof(buffer));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;
    if (text->size() < 65536) text->append(buffer, static_cast<size_t>(got));
  }
}

// Waits for `pid` until `deadline`, then ends it; true with `*status` when it ended by itself.
bool WaitUntil(pid_t pid, Clock::time_point deadline, int* status) {
  for (;;) {
    pid_t done = waitpid(pid, status, WNOHANG);
    if (done == pid) return true;
    if (done < 0 && errno != EINTR) return false;
    if (Clock::now() >= deadline) break;
    usleep(10000);
  }
  kill(pid, SIGKILL);
  while (waitpid(pid, status, 0) < 0 && errno == EINTR) {
  }
  return false;
}

std::string FirstLine(const std::string& text) {
  std::string line = text.substr(0, text.find_first_of("\r\n"));
  return line.empty() ? "no message" : line;
}

}  // namespace

bool IsProgramFile(const std::string& path) { return IsRunnable(NativeFileName(path)); }

std::string FindConverter() {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "";
  while (!folders.empty()) {
    std::string_view folder = folders.substr(0, folders.find(':'));
    folders.remove_prefix(std::min(folders.size(), folder.size() + 1));
    if (folder.empty() || folder[0] != '/') continue;  // never the working directory
    std::string candidate = std::string(folder) + "/ffmpeg", cp1250;
    if (IsRunnable(candidate) && core::Utf8ToCp1250(candidate, &cp1250)) return cp1250;
  }
  return "";
}

RecordingProbe ProbeRecording(const std::string& converter, const std::string& media,
                              std::chrono::milliseconds timeout) {
  std::vector<std::string> args = {NativeFileName(converter),
                                   "-nostdin",
                                   "-hide_banner",
                                   "-v",
                                   "error",
                                   "-i",
                                   NativeFileName(media),
                                   "-t",
                                   "1",
                                   "-f",
                                   "null",
                                   "-"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  int read_fd = -1;
  if (int error = SpawnProbe(argv, &pid, &read_fd))
    return {RecordingProbe::Outcome::kUnknown, std::generic_category().message(error)};
  std::string errors;
  const Clock::time_point deadline = Clock::now() + timeout;
  ReadUntil(read_fd, deadline, &errors);
  close(read_fd);
  int status = 0;
  if (!WaitUntil(pid, deadline, &status))
    return {RecordingProbe::Outcome::kUnknown, "it did not finish in time"};
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
    return {RecordingProbe::Outcome::kReadable, ""};
  return {RecordingProbe::Outcome::kUnreadable, FirstLine(errors)};
}

}  // namespace orvello::platform
