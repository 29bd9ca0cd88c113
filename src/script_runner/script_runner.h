#ifndef ORVELLO_SCRIPT_RUNNER_SCRIPT_RUNNER_H_
#define ORVELLO_SCRIPT_RUNNER_SCRIPT_RUNNER_H_

#include <iosfwd>
#include <string_view>

namespace orvello::script_runner {

/// Runs the lines of `script` (the whole script's bytes, Windows-1250) one after another in the
/// current working directory, as the command interpreter of the original platform runs the
/// program's scripts:
/// - `Copy "SRC" "DST"` copies the file SRC to DST, or into DST under its own name when DST is a
///   folder, replacing what is there;
/// - `Del NAME` deletes the file NAME in the working directory, matching its name in any case;
///   when several files match it so (Skus.txt and skus.txt), it deletes none and reports it;
/// - `"PROGRAM" ARG...` runs PROGRAM with the arguments, directly (never through a shell), and
///   waits for it; what it prints on standard output goes to standard error. A program run with
///   `-loglevel level+info` (the converter in konvertuj.bat) has its standard error read through
///   ConversionProgress: a percentage at most once a second, its warnings and errors as they are;
/// - `Move /Y "SRC" "DST"` renames the file SRC to DST in one step, replacing DST;
/// - `A && B` runs B only when A succeeded.
/// Any other line is reported and skipped. A failed line is reported and the script goes on.
/// Names and arguments are converted to the system's file names. Every report goes to `log` as
/// one UTF-8 line "<name>:<line number>: <text>". Returns true when no line failed.
bool RunScript(std::string_view name, std::string_view script, std::ostream& log);

}  // namespace orvello::script_runner

#endif  // ORVELLO_SCRIPT_RUNNER_SCRIPT_RUNNER_H_
