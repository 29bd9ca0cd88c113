#ifndef ORVELLO_SCRIPT_RUNNER_SCRIPT_LINE_H_
#define ORVELLO_SCRIPT_RUNNER_SCRIPT_LINE_H_

#include <string>
#include <string_view>
#include <vector>

namespace orvello::script_runner {

/// One line of a run's script, as the script runner understands it. The runner knows exactly the
/// forms the program writes; everything else is kUnknown and is never executed.
struct ScriptLine {
  enum class Kind {
    kBlank,    ///< nothing but spaces and tabs
    kCopy,     ///< `Copy "SRC" "DST"`: args = {SRC, DST}
    kDelete,   ///< `Del NAME`: args = {NAME}, a plain file name
    kMove,     ///< `Move /Y "SRC" "DST"`: args = {SRC, DST}, plain file names
    kRun,      ///< `"PROGRAM" ARG...`: args = {PROGRAM, ARG...}
    kUnknown,  ///< anything else; `problem` says why
  };
  Kind kind = Kind::kBlank;
  std::vector<std::string> args;  ///< Windows-1250 bytes, quotes removed
  std::string problem;            ///< why a line is kUnknown
  /// The commands that follow this one after `&&` on the line, in order: each runs only when
  /// every command before it succeeded. Never blank or kUnknown themselves, and without `then`.
  std::vector<ScriptLine> then;
};

/// Parses one line (without its line end), cut into commands and arguments as
/// core/script_line_format.h reads it. The command words Copy, Del and Move match in any case. A
/// line is kUnknown when it cannot be cut (a quote left open, one of the interpreter's operators
/// outside quotes), when it holds a NUL byte, or when a command has the wrong number of arguments;
/// Del and Move refuse wildcards and paths, and Move takes /Y (replace without asking) alone. `A &&
/// B` joins two commands (B in `then`); the line is kUnknown when either is blank or kUnknown.
ScriptLine ParseScriptLine(std::string_view line);

}  // namespace orvello::script_runner

#endif  // ORVELLO_SCRIPT_RUNNER_SCRIPT_LINE_H_
