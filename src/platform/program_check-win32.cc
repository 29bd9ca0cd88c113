#include "platform/program_check.h"

#include <windows.h>

#include "platform/win32_text.h"

namespace orvello::platform {

ProgramState CheckProgram(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return ProgramState::kMissing;
  for (const char* extension : {".com", ".exe", ".bat", ".cmd"}) {
    DWORD attributes = GetFileAttributesW(WidePath(path + extension).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      return ProgramState::kRunnable;
  }
  return ProgramState::kMissing;
}

}  // namespace orvello::platform
