#ifndef ORVELLO_CORE_SCRIPT_STARTER_H_
#define ORVELLO_CORE_SCRIPT_STARTER_H_

#include <string>

namespace orvello::core {

/// Starts the run's generated scripts. The run neither waits for them nor looks at how they end;
/// a script that cannot be started at all raises IoError.
class ScriptStarter {
 public:
  virtual ~ScriptStarter() = default;
  /// Starts the script named `name` (without its ".bat") with `dir` as its working directory.
  /// Throws IoError when it cannot be started.
  virtual void Start(const std::string& dir, const std::string& name) = 0;
  /// False when no script can have the folder `dir` as its working directory however it is
  /// spelled (on Windows: a path longer than a working directory may be). A run asks before it
  /// writes anything and refuses such a folder.
  virtual bool CanStartIn(const std::string& /*dir*/) { return true; }
};

/// A starter that starts nothing, for runs that only write files.
class NoScriptStarter : public ScriptStarter {
 public:
  void Start(const std::string&, const std::string&) override {}
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_SCRIPT_STARTER_H_
