#ifndef ORVELLO_PLATFORM_PROGRAM_CHECK_H_
#define ORVELLO_PLATFORM_PROGRAM_CHECK_H_

#include <string>

namespace orvello::platform {

/// Whether a program that a script names can be started.
enum class ProgramState {
  kRunnable,
  kMissing,      ///< nothing of that name
  kNotRunnable,  ///< there is something, but not a program the user may run
};

/// How the program `path` (Windows-1250, as proces.bat names it, without an extension) stands
/// for orvello-script. POSIX: a regular file the user may execute. Windows: the first of `path`
/// with ".com", ".exe", ".bat" or ".cmd" that is a file, as the runner looks for it. Never throws.
ProgramState CheckProgram(const std::string& path);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_PROGRAM_CHECK_H_
