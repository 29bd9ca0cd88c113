// orvello-script: runs one of the scripts a publishing run leaves in its output folder, in place
// of the command interpreter the scripts were written for (see script_runner.h).
//
//   orvello-script [--detach] SCRIPT
//
// SCRIPT is read whole from the working directory before its first line runs, so it may delete
// itself. With --detach the runner first moves into the background on its own (see Detach), so
// that whoever started it collects it at once. Exit status: 0 every line succeeded, 1 a line
// failed, 2 the script could not be read or started.
#include <iostream>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/real_disk.h"
#include "platform/runner_process.h"
#include "script_runner/script_file.h"
#include "script_runner/script_runner.h"

namespace {

using orvello::script_runner::kExitCannotRun;

constexpr int kExitLineFailed = 1;

}  // namespace

int main(int argc, char** argv) {
  namespace platform = orvello::platform;
  namespace script_runner = orvello::script_runner;
  platform::PrepareRunnerProcess();
  std::vector<std::string> args = platform::Utf8Arguments(argc, argv);
  std::string name;
  bool detach = false;
  if (args.size() == 2 && args[0] == "--detach") {
    detach = true;
    name = args[1];
  } else if (args.size() == 1) {
    name = args[0];
  } else {
    std::cerr << "usage: orvello-script [--detach] SCRIPT\n";
    return kExitCannotRun;
  }

  std::string script, problem;
  if (!script_runner::ReadScriptFile(*platform::MakeRealDisk(), name, &script, &problem)) {
    std::cerr << name << ": cannot read the script: " << problem << "\n";
    return kExitCannotRun;
  }
  if (detach && !platform::Detach(&problem)) {
    std::cerr << name << ": cannot start in the background: " << problem << "\n";
    return kExitCannotRun;
  }
  return script_runner::RunScript(name, script, std::cerr) ? 0 : kExitLineFailed;
}
