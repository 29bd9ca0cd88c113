#include "platform/program_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/real_disk.h"

namespace orvello::platform {

ProgramState CheckProgram(const std::string& path) {
  std::string native = NativeFileName(path);
  struct stat info;
  if (native.empty() || native.find('\0') != std::string::npos ||
      ::stat(native.c_str(), &info) != 0) {
    return ProgramState::kMissing;
  }
  if (!S_ISREG(info.st_mode) || ::access(native.c_str(), X_OK) != 0)
    return ProgramState::kNotRunnable;
  return ProgramState::kRunnable;
}

}  // namespace orvello::platform
