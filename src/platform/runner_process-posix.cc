#include "platform/runner_process.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace orvello::platform {

void PrepareRunnerProcess() { signal(SIGPIPE, SIG_IGN); }

bool Detach(std::string* problem) {
  pid_t pid = fork();
  if (pid < 0) {
    *problem = std::generic_category().message(errno);
    return false;
  }
  if (pid > 0) _exit(0);
  setsid();
  int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (null >= 0) {
    dup2(null, STDIN_FILENO);
    if (null != STDIN_FILENO) close(null);
  }
  return true;
}

}  // namespace orvello::platform
