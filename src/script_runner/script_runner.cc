// Implementation details: each line is parsed and carried out before the next one is looked at,
// so a Del of the script itself (kopiruj.bat ends with one) only removes a file that has already
// been read. The commands themselves are the system's own (platform/script_commands.h).
#include "script_runner/script_runner.h"

#include <ostream>
#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/script_line_format.h"
#include "platform/script_commands.h"
#include "script_runner/conversion_progress.h"
#include "script_runner/script_line.h"

namespace orvello::script_runner {

namespace {

using platform::ErrorSink;
using platform::LineLog;

// Reports a conversion's progress and passes the rest of its log on.
class ProgressReport : public ErrorSink {
 public:
  ProgressReport(const ScriptLine& line, LineLog& log)
      : progress_(core::Cp1250ToUtf8(ConversionTarget(line))), log_(log) {}
  void Take(std::string_view bytes) override {
    Say(progress_.Take(bytes, ConversionProgress::Clock::now()));
  }
  void Finish() override { Say(progress_.Finish(ConversionProgress::Clock::now())); }

 private:
  void Say(const std::vector<std::string>& reports) {
    for (const std::string& report : reports) log_.Say(report);
  }
  ConversionProgress progress_;
  LineLog& log_;
};

bool RunProgram(const ScriptLine& line, LineLog& log) {
  if (!ReportsConversionProgress(line)) return platform::RunCommand(line.args, log);
  ProgressReport report(line, log);
  return platform::RunCommand(line.args, log, &report);
}

bool RunOne(const ScriptLine& line, LineLog& log) {
  switch (line.kind) {
    case ScriptLine::Kind::kBlank:
      return true;
    case ScriptLine::Kind::kCopy:
      return platform::CopyCommand(line.args[0], line.args[1], log);
    case ScriptLine::Kind::kDelete:
      return platform::DeleteCommand(line.args[0], log);
    case ScriptLine::Kind::kMove:
      return platform::MoveCommand(line.args[0], line.args[1], log);
    case ScriptLine::Kind::kRun:
      return RunProgram(line, log);
    case ScriptLine::Kind::kUnknown:
      break;
  }
  return false;
}

bool RunLine(const ScriptLine& line, std::string_view text, LineLog& log) {
  if (line.kind == ScriptLine::Kind::kUnknown) {
    log.Say("skipped (" + core::Cp1250ToUtf8(line.problem) + "): " + core::Cp1250ToUtf8(text));
    return false;
  }
  if (!RunOne(line, log)) return false;
  for (const ScriptLine& next : line.then) {
    if (!RunOne(next, log)) return false;
  }
  return true;
}

}  // namespace

bool RunScript(std::string_view name, std::string_view script, std::ostream& log) {
  bool succeeded = true;
  size_t number = 0;
  for (std::string_view text : core::SplitScriptLines(script)) {
    LineLog line_log(name, ++number, log);
    if (!RunLine(ParseScriptLine(text), text, line_log)) succeeded = false;
  }
  return succeeded;
}

}  // namespace orvello::script_runner
