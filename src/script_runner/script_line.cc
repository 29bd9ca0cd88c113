// Implementation details: the line is cut as core/script_line_format.h reads the lines a run
// writes; what the runner adds is which of them it carries out: the forms the program writes, with
// the right number of arguments, and Del and Move only on plain file names.
#include "script_runner/script_line.h"

#include <utility>

#include "core/script_line_format.h"

namespace orvello::script_runner {

namespace {

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\*?") == std::string::npos;
}

ScriptLine Unknown(std::string problem) {
  return {ScriptLine::Kind::kUnknown, {}, std::move(problem), {}};
}

ScriptLine ParseMove(std::vector<std::string> args) {
  if (args.size() != 4 || !core::IsCommandWord(args[1], core::kMoveReplaceSwitch))
    return Unknown("Move takes /Y and two names");
  if (!IsPlainName(args[2]) || !IsPlainName(args[3])) return Unknown("Move takes plain file names");
  args.erase(args.begin(), args.begin() + 2);
  return {ScriptLine::Kind::kMove, std::move(args), "", {}};
}

ScriptLine ParseCommand(std::string_view line) {
  std::vector<std::string> args;
  std::string problem;
  if (!core::SplitArguments(line, &args, &problem)) return Unknown(problem);
  if (args.empty()) return {};

  if (core::NamesProgram(line)) {
    if (args[0].empty()) return Unknown("an empty program name");
    return {ScriptLine::Kind::kRun, std::move(args), "", {}};
  }
  if (core::IsCommandWord(args[0], core::kCopyCommand)) {
    if (args.size() != 3 || args[1].empty() || args[2].empty())
      return Unknown("Copy takes two names");
    args.erase(args.begin());
    return {ScriptLine::Kind::kCopy, std::move(args), "", {}};
  }
  if (core::IsCommandWord(args[0], core::kMoveCommand)) return ParseMove(std::move(args));
  if (core::IsCommandWord(args[0], core::kDeleteCommand)) {
    if (args.size() != 2) return Unknown("Del takes one name");
    if (!IsPlainName(args[1])) return Unknown("Del takes a plain file name");
    args.erase(args.begin());
    return {ScriptLine::Kind::kDelete, std::move(args), "", {}};
  }
  return Unknown("unknown command '" + args[0] + "'");
}

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
  if (line.find('\0') != std::string_view::npos) return Unknown("a NUL byte");
  std::vector<std::string_view> commands = core::SplitCommands(line);
  if (commands.size() == 1) return ParseCommand(line);
  ScriptLine first;
  for (size_t i = 0; i < commands.size(); ++i) {
    ScriptLine command = ParseCommand(commands[i]);
    if (command.kind == ScriptLine::Kind::kUnknown) return command;
    if (command.kind == ScriptLine::Kind::kBlank) return Unknown("a command is missing beside &&");
    if (i == 0) {
      first = std::move(command);
    } else {
      first.then.push_back(std::move(command));
    }
  }
  return first;
}

}  // namespace orvello::script_runner
