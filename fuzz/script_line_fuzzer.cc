// Feeds arbitrary bytes to the script runner's line parser as a whole script: it must end, and
// every line it accepts must be one the runner can carry out safely: the right number of
// arguments, no quote or NUL left in them, Del and Move only ever naming plain files, and the
// commands joined by "&&" each one of those.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/file_names.h"
#include "core/script_line_format.h"
#include "script_runner/script_line.h"

namespace {

using orvello::script_runner::ScriptLine;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckLine(std::string_view text, const ScriptLine& line) {
  size_t total = 0;
  for (const std::string& arg : line.args) {
    Check(arg.find('"') == std::string::npos && arg.find('\0') == std::string::npos);
    total += arg.size();
  }
  Check(total <= text.size());
  switch (line.kind) {
    case ScriptLine::Kind::kBlank:
      Check(line.args.empty() && text.find_first_not_of(" \t") == std::string_view::npos);
      break;
    case ScriptLine::Kind::kCopy:
      Check(line.args.size() == 2 && !line.args[0].empty() && !line.args[1].empty());
      break;
    case ScriptLine::Kind::kDelete:
      Check(line.args.size() == 1 && !line.args[0].empty() &&
            line.args[0].find_first_of("/\\*?") == std::string::npos);
      break;
    case ScriptLine::Kind::kRun:
      Check(!line.args.empty() && !line.args[0].empty() && text.find('"') != std::string::npos);
      break;
    case ScriptLine::Kind::kMove:
      Check(line.args.size() == 2);
      for (const std::string& name : line.args)
        Check(!name.empty() && name.find_first_of("/\\*?") == std::string::npos);
      break;
    case ScriptLine::Kind::kUnknown:
      Check(line.args.empty() && !line.problem.empty() && line.then.empty());
      break;
  }
  // The commands after "&&": each one a command that runs, none joined further.
  for (const ScriptLine& next : line.then) {
    Check(next.kind != ScriptLine::Kind::kBlank && next.kind != ScriptLine::Kind::kUnknown &&
          next.then.empty());
    CheckLine(text, next);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view script(reinterpret_cast<const char*>(data), size);
  std::string_view previous;
  size_t pos = 0;  // each line is the script's next bytes, followed by [CR] LF or the end
  for (std::string_view text : orvello::core::SplitScriptLines(script)) {
    Check(script.substr(pos, text.size()) == text);
    pos += text.size();
    if (pos < size && script[pos] == '\r' && (pos + 1 == size || script[pos + 1] == '\n')) ++pos;
    if (pos < size) Check(script[pos++] == '\n');
    CheckLine(text, orvello::script_runner::ParseScriptLine(text));
    Check(orvello::core::SameNameIgnoringCase(text, text));
    Check(orvello::core::SameNameIgnoringCase(text, previous) ==
          orvello::core::SameNameIgnoringCase(previous, text));
    previous = text;
  }
  Check(pos == size);
  return 0;
}
