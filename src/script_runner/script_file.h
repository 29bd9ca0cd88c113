#ifndef ORVELLO_SCRIPT_RUNNER_SCRIPT_FILE_H_
#define ORVELLO_SCRIPT_RUNNER_SCRIPT_FILE_H_

#include <string>

namespace orvello::core {
class DiskInterface;
}

namespace orvello::script_runner {

/// The exit status of the script runner when it cannot read or start its script.
inline constexpr int kExitCannotRun = 2;

/// Reads the script named `name` (as the command line gave it, UTF-8) whole, through `disk`, which
/// refuses a folder, a pipe or a device without waiting on it. Returns false with the reason in
/// `*problem`: the program's I/O error text ("File access denied."), or why the name cannot be a
/// file name. Never throws.
bool ReadScriptFile(core::DiskInterface& disk, const std::string& name, std::string* script,
                    std::string* problem);

}  // namespace orvello::script_runner

#endif  // ORVELLO_SCRIPT_RUNNER_SCRIPT_FILE_H_
