#ifndef ORVELLO_CLI_PUBLISH_COMMAND_H_
#define ORVELLO_CLI_PUBLISH_COMMAND_H_

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/option_parser.h"

namespace orvello::cli {

/// How the publish command treats the two scripts of a run.
enum class ScriptMode {
  kStart,  ///< start both and return at once, as the desktop program does
  kNone,   ///< --no-start: write everything, start nothing
  kWait,   ///< --wait: start them, wait for them and report their exit statuses
};

/// The parsed arguments of `publish`, still in UTF-8.
struct PublishOptions : CommandLine {
  ScriptMode scripts = ScriptMode::kStart;
};

/// Parses the arguments after `publish`. On a usage error returns false with the reason in `*err`.
bool ParsePublishOptions(const std::vector<std::string>& args, PublishOptions* options,
                         std::string* err);

/// Runs `publish` with `args`; returns the exit status.
int PublishCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvello::cli

#endif  // ORVELLO_CLI_PUBLISH_COMMAND_H_
