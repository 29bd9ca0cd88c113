// Implementation details: a script runs in orvello-script, the runner that is installed beside
// the program; it is found through /proc/self/exe, never through PATH. posix_spawn starts it
// directly, without a shell, in the script's folder (posix_spawn_file_actions_addchdir_np).
//
// Detached, the runner is started with --detach: its first process forks and exits at once, and
// Start collects that process straight away. The script goes on in the grandchild, which the
// system adopts, so the program leaves no zombie behind and needs no SIGCHLD handler (which
// would belong to the whole program, not to a library). Waiting, the runner's process id is kept
// until WaitAll collects it; a waiting launcher that goes away collects what is left first.

#include "platform/script_launcher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/io_error.h"
#include "platform/posix_error.h"
#include "platform/real_disk.h"

extern char** environ;

namespace orvello::platform {

namespace fs = std::filesystem;

struct ScriptLauncher::Started {
  std::string name;
  pid_t pid = -1;       ///< -1 when the runner did not start
  std::string problem;  ///< why it did not start
};

namespace {

constexpr char kRunnerName[] = "orvello-script";

std::string ErrorText(int error) { return std::generic_category().message(error); }

// The runner beside the running program, or "" with `*problem` set.
std::string RunnerPath(std::string* problem) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) {
    *problem = "cannot find the running program: " + ec.message();
    return "";
  }
  return (self.parent_path() / kRunnerName).string();
}

// Starts `argv` in `folder`, with the signal mask and dispositions of a fresh process whatever
// the program changed for itself; returns 0 or the error number.
int Spawn(std::vector<char*>& argv, const std::string& folder, pid_t* pid) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  sigset_t all_signals, no_signals;
  sigfillset(&all_signals);
  sigemptyset(&no_signals);
  int error = posix_spawn_file_actions_init(&actions);
  if (error != 0) return error;
  error = posix_spawnattr_init(&attributes);
  if (error == 0) error = posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  if (error == 0) error = posix_spawnattr_setsigdefault(&attributes, &all_signals);
  if (error == 0) error = posix_spawnattr_setsigmask(&attributes, &no_signals);
  if (error == 0)
    error = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  if (error == 0) error = posix_spawn(pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

// Starts the runner on `script` with `dir` as its working directory; returns its process id,
// or -1 with `*problem` set.
pid_t SpawnRunner(const std::string& dir, const std::string& script, bool detach,
                  std::string* problem, int* error_number) {
  *error_number = ENOENT;
  std::string runner = RunnerPath(problem);
  if (runner.empty()) return -1;
  std::string folder = NativeFileName(dir);
  std::string detach_flag = "--detach";
  std::string script_name = NativeFileName(script);
  std::vector<char*> argv = {runner.data()};
  if (detach) argv.push_back(detach_flag.data());
  argv.push_back(script_name.data());
  argv.push_back(nullptr);

  pid_t pid = -1;
  if (int error = Spawn(argv, folder, &pid); error != 0) {
    *error_number = error;
    *problem = "cannot start '" + runner + "' in '" + folder + "': " + ErrorText(error);
    return -1;
  }
  return pid;
}

// Waits for `pid`; returns false with errno set when it cannot be waited for.
bool WaitFor(pid_t pid, int* status) {
  while (waitpid(pid, status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

ScriptLauncher::Outcome Collect(const std::string& name, pid_t pid) {
  int status = 0;
  if (!WaitFor(pid, &status)) return {name, -1, "cannot wait for the script: " + ErrorText(errno)};
  if (WIFSIGNALED(status)) return {name, -1, "ended by signal " + std::to_string(WTERMSIG(status))};
  int exit_status = WEXITSTATUS(status);
  return {name, exit_status, exit_status == 0 ? "" : "exit status " + std::to_string(exit_status)};
}

}  // namespace

ScriptLauncher::ScriptLauncher(bool wait) : wait_(wait) {}

ScriptLauncher::~ScriptLauncher() { WaitAll(); }

void ScriptLauncher::Start(const std::string& dir, const std::string& name) {
  Started started{name, -1, ""};
  int error_number = 0;
  started.pid = SpawnRunner(dir, name + ".bat", !wait_, &started.problem, &error_number);
  if (wait_) {
    started_.push_back(std::move(started));
  } else if (started.pid < 0) {
    // Nobody waits to hear it later: a script that cannot start fails the run now, instead of
    // the run reporting success for work that will never happen.
    throw core::IoError(IoErrorCodeFor(error_number));
  } else {
    // The runner's first process reads the script, then leaves the rest to its child and exits
    // at once: a failure there means the script never ran.
    int status = 0;
    if (WaitFor(started.pid, &status) && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
      throw core::IoError(core::kFileNotFound);
    }
  }
}

bool ScriptLauncher::CanStartIn(const std::string&) { return true; }

std::vector<ScriptLauncher::Outcome> ScriptLauncher::WaitAll() {
  std::vector<Outcome> outcomes;
  for (const Started& started : started_) {
    if (started.pid < 0) {
      outcomes.push_back({started.name, -1, started.problem});
    } else {
      outcomes.push_back(Collect(started.name, started.pid));
    }
  }
  started_.clear();
  return outcomes;
}

}  // namespace orvello::platform
