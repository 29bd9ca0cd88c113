#ifndef ORVELLO_PLATFORM_SCRIPT_LAUNCHER_H_
#define ORVELLO_PLATFORM_SCRIPT_LAUNCHER_H_

#include <string>
#include <vector>

#include "core/script_starter.h"

namespace orvello::platform {

/// Starts a run's scripts through the bundled script runner (orvello-script, orvello-script.exe
/// on Windows), found beside the running program and started directly, never through a shell or
/// the system's command interpreter, with the script's folder as its working directory.
class ScriptLauncher : public core::ScriptStarter {
 public:
  /// The outcome of one started script, known only when waiting.
  struct Outcome {
    std::string name;     ///< the script's name, as given to Start
    int exit_status = 0;  ///< 0 when the script ran through without a failure
    std::string problem;  ///< why it could not be started or how it ended, empty on success
  };

  /// `wait`: keep hold of the started scripts so that WaitAll() can collect them. Without it they
  /// run detached: the program never waits and leaves no zombie processes.
  explicit ScriptLauncher(bool wait = false);
  ~ScriptLauncher() override;
  ScriptLauncher(const ScriptLauncher&) = delete;
  ScriptLauncher& operator=(const ScriptLauncher&) = delete;

  /// Starts the script. Detached, a runner that cannot be started (missing beside the program, a
  /// folder that is gone) throws core::IoError (on Windows naming the script or the runner);
  /// waiting, WaitAll() reports it instead.
  void Start(const std::string& dir, const std::string& name) override;
  /// Windows: false when `dir`, made absolute, is longer than a working directory may be (with its
  /// trailing separator, MAX_PATH characters less one). POSIX systems have no such limit.
  bool CanStartIn(const std::string& dir) override;
  /// Waits for every script started since the last call; empty unless constructed with `wait`.
  std::vector<Outcome> WaitAll();

 private:
  struct Started;
  bool wait_;
  std::vector<Started> started_;  ///< only when waiting
};

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_SCRIPT_LAUNCHER_H_
