#ifndef ORVELLO_CLI_CLI_H_
#define ORVELLO_CLI_CLI_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace orvello::core {
class IoError;
}  // namespace orvello::core

namespace orvello::cli {

/// Exit codes of orvello-cli.
enum ExitStatus : int {
  kExitSuccess = 0,       ///< the run reported "On line prednaska: OK"
  kExitRefused = 1,       ///< the run refused its input with one of its own message lines
  kExitIoError = 2,       ///< a file operation failed; its text went to standard error
  kExitScriptFailed = 3,  ///< --wait: a started script failed
  kExitUsage = 64,        ///< the command line was wrong
};

/// The usage text printed by --help and after a usage error, made from the commands' option
/// tables.
const std::string& Usage();

/// Prints an I/O error on `err` in UTF-8 as "`who`: PATH: TEXT", with PATH when the error names
/// its file.
void PrintIoError(const char* who, const core::IoError& error, std::ostream& err);

/// Runs the command line `args` (without the program name). Text for the user goes to `out` and
/// `err` in UTF-8. Returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvello::cli

#endif  // ORVELLO_CLI_CLI_H_
