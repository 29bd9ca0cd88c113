// orvello-script: runs one of the scripts a publishing run leaves in its output folder, on
// systems without the command interpreter the scripts were written for.
//
//   orvello-script [--detach] SCRIPT
//
// SCRIPT is read whole from the working directory before its first line runs, so it may delete
// itself. With --detach the runner first moves into the background on its own (see Detach), so
// that whoever started it collects it at once. Exit status: 0 every line succeeded, 1 a line
// failed, 2 the script could not be read or started.
//
// The reports go to standard error, which may be a pipe that its reader closes early
// (`orvello-cli publish ... 2>&1 | head -1`). A broken pipe must not end the script halfway, so
// SIGPIPE is ignored: the reports are lost from then on, the copying goes on. The programs a
// script runs inherit that, and so see a failed write rather than die of it.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <string>
#include <system_error>

#include "platform/real_disk.h"
#include "platform/script_runner/script_file.h"
#include "platform/script_runner/script_runner.h"

namespace {

using orvello::platform::kExitCannotRun;

constexpr int kExitLineFailed = 1;

// Forks; the parent exits at once and the child goes on in a session of its own, reading nothing
// from the terminal. The process that started the runner thus collects its child right away
// and leaves no zombie, while the script runs on as a child of the system.
bool Detach() {
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid > 0) _exit(0);
  setsid();
  int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (null >= 0) {
    dup2(null, STDIN_FILENO);
    if (null != STDIN_FILENO) close(null);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);
  std::string name;
  bool detach = false;
  if (argc == 3 && std::string(argv[1]) == "--detach") {
    detach = true;
    name = argv[2];
  } else if (argc == 2) {
    name = argv[1];
  } else {
    std::cerr << "usage: orvello-script [--detach] SCRIPT\n";
    return kExitCannotRun;
  }

  std::string script, problem;
  if (!orvello::platform::ReadScriptFile(*orvello::platform::MakeRealDisk(), name, &script,
                                         &problem)) {
    std::cerr << name << ": cannot read the script: " << problem << "\n";
    return kExitCannotRun;
  }
  if (detach && !Detach()) {
    std::cerr << name
              << ": cannot start in the background: " << std::generic_category().message(errno)
              << "\n";
    return kExitCannotRun;
  }
  return orvello::platform::RunScript(name, script, std::cerr) ? 0 : kExitLineFailed;
}
