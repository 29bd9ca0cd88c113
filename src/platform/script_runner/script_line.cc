// Implementation details: a line is cut into arguments the way the command interpreter cuts the
// lines the program writes: blanks separate, double quotes group and disappear. What the
// interpreter would do beyond that (operators, variables, wildcards) the runner refuses rather
// than imitates, so that a line it does not fully understand is never executed.
#include "platform/script_runner/script_line.h"

#include <utility>

#include "core/file_names.h"

namespace orvello::platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsOperator(char c) { return c == '&' || c == '|' || c == '<' || c == '>' || c == '^'; }

// Cuts `line` into arguments; false with `*problem` set when the line cannot be cut safely.
bool SplitArguments(std::string_view line, std::vector<std::string>* args, std::string* problem) {
  size_t i = 0;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return true;
    std::string arg;
    bool quoted = false;
    for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
      char c = line[i];
      if (c == '"') {
        quoted = !quoted;
      } else if (!quoted && IsOperator(c)) {
        *problem = std::string("'") + c + "' outside quotes";
        return false;
      } else {
        arg.push_back(c);
      }
    }
    if (quoted) {
      *problem = "a quote is left open";
      return false;
    }
    args->push_back(std::move(arg));
  }
}

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\*?") == std::string::npos;
}

ScriptLine Unknown(std::string problem) {
  return {ScriptLine::Kind::kUnknown, {}, std::move(problem), {}};
}

// The positions of the "&&" that stand outside quotes in `line`.
std::vector<size_t> CommandJoins(std::string_view line) {
  std::vector<size_t> joins;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else if (!quoted && line[i] == '&' && i + 1 < line.size() && line[i + 1] == '&') {
      joins.push_back(i++);
    }
  }
  return joins;
}

ScriptLine ParseMove(std::vector<std::string> args) {
  if (args.size() != 4 || !core::SameNameIgnoringCase(args[1], "/y"))
    return Unknown("Move takes /Y and two names");
  if (!IsPlainName(args[2]) || !IsPlainName(args[3])) return Unknown("Move takes plain file names");
  args.erase(args.begin(), args.begin() + 2);
  return {ScriptLine::Kind::kMove, std::move(args), "", {}};
}

ScriptLine ParseCommand(std::string_view line) {
  std::vector<std::string> args;
  std::string problem;
  if (!SplitArguments(line, &args, &problem)) return Unknown(problem);
  if (args.empty()) return {};

  size_t first = line.find_first_not_of(" \t");
  if (line[first] == '"') {
    if (args[0].empty()) return Unknown("an empty program name");
    return {ScriptLine::Kind::kRun, std::move(args), "", {}};
  }
  if (core::SameNameIgnoringCase(args[0], "copy")) {
    if (args.size() != 3 || args[1].empty() || args[2].empty())
      return Unknown("Copy takes two names");
    args.erase(args.begin());
    return {ScriptLine::Kind::kCopy, std::move(args), "", {}};
  }
  if (core::SameNameIgnoringCase(args[0], "move")) return ParseMove(std::move(args));
  if (core::SameNameIgnoringCase(args[0], "del")) {
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
  std::vector<size_t> joins = CommandJoins(line);
  if (joins.empty()) return ParseCommand(line);
  ScriptLine first;
  size_t start = 0;
  joins.push_back(line.size());
  for (size_t join : joins) {
    ScriptLine command = ParseCommand(line.substr(start, join - start));
    if (command.kind == ScriptLine::Kind::kUnknown) return command;
    if (command.kind == ScriptLine::Kind::kBlank) return Unknown("a command is missing beside &&");
    if (start == 0) {
      first = std::move(command);
    } else {
      first.then.push_back(std::move(command));
    }
    start = join + 2;
  }
  return first;
}

std::vector<std::string_view> SplitScriptLines(std::string_view script) {
  std::vector<std::string_view> lines;
  while (!script.empty()) {
    size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
  }
  return lines;
}

}  // namespace orvello::platform
