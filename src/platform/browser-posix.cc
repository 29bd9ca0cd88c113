// Implementation details: xdg-open is started with posix_spawnp in a session of its own, with
// standard input from /dev/null, so that neither the terminal nor the program's end disturbs it.
// xdg-open may run as long as the browser does; a detached thread collects it when it ends, so
// the program never waits and never leaves a zombie, and needs no SIGCHLD handler (which would
// belong to the whole program).
#include "platform/browser.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

#include "platform/real_disk.h"

extern char** environ;

namespace orvello::platform {

namespace {

constexpr char kOpener[] = "xdg-open";

// `native` made absolute, so that the browser, whatever its own working directory, finds it.
std::string Absolute(const std::string& native) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(native, ec);
  return ec ? native : absolute.string();
}

// Starts argv[0], found on the PATH, detached from the terminal; returns 0 or an errno value.
int Spawn(char* const argv[], pid_t* pid) {
  posix_spawn_file_actions_t actions;
  if (int error = posix_spawn_file_actions_init(&actions)) return error;
  posix_spawnattr_t attributes;
  int error = posix_spawnattr_init(&attributes);
  if (error == 0) {
    error = posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (error == 0) error = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    if (error == 0) error = posix_spawnp(pid, argv[0], &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
  }
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

}  // namespace

bool OpenInBrowser(const std::string& path, std::string* err) {
  std::string opener = kOpener;
  std::string file = Absolute(NativeFileName(path));
  char* const argv[] = {opener.data(), file.data(), nullptr};
  pid_t pid = -1;
  if (int error = Spawn(argv, &pid)) {
    *err =
        "cannot start " + opener + " on '" + file + "': " + std::generic_category().message(error);
    return false;
  }
  std::thread([pid] {
    while (waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
    }
  }).detach();
  return true;
}

}  // namespace orvello::platform
