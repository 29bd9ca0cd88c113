#ifndef ORVELLO_SCRIPT_RUNNER_CONVERSION_PROGRESS_H_
#define ORVELLO_SCRIPT_RUNNER_CONVERSION_PROGRESS_H_

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script_runner/script_line.h"

namespace orvello::script_runner {

/// True when `line` runs a program with `-loglevel level+info`, as konvertuj.bat runs the
/// converter: its standard error then goes through ConversionProgress.
bool ReportsConversionProgress(const ScriptLine& line);

/// The file a conversion line writes: its program's last argument, without a ".tmp" ending.
std::string ConversionTarget(const ScriptLine& line);

/// Turns the converter's log (`-loglevel level+info`: each line tagged "[info] ", "[warning] ",
/// ..., after the tags of the part that speaks, "[mp4 @ 0x...] ") into the runner's reports: the
/// first "Duration: HH:MM:SS.ss" and the statistics lines' "time=HH:MM:SS.ss" become
/// "NAME: 42 %", at most once a second and only when the figure changed; the other "[info]" lines
/// are dropped; every other line (warnings, errors, untagged text) is passed on as it stands.
/// Lines end at LF or CR (the statistics line ends in CR while it is rewritten).
class ConversionProgress {
 public:
  using Clock = std::chrono::steady_clock;

  explicit ConversionProgress(std::string target) : target_(std::move(target)) {}

  /// Takes the next bytes the program wrote, at `now`; returns the lines to report, without
  /// their ends.
  std::vector<std::string> Take(std::string_view bytes, Clock::time_point now);
  /// The program closed its standard error: reports a last line that had no end.
  std::vector<std::string> Finish(Clock::time_point now);

 private:
  void TakeLine(std::string_view line, Clock::time_point now, std::vector<std::string>* reports);
  void TakeTime(double seconds, Clock::time_point now, std::vector<std::string>* reports);

  std::string target_;
  std::string partial_;             ///< a line still waiting for its end
  std::optional<double> duration_;  ///< seconds, from the first Duration:
  std::optional<Clock::time_point> shown_at_;
  int shown_percent_ = -1;
};

}  // namespace orvello::script_runner

#endif  // ORVELLO_SCRIPT_RUNNER_CONVERSION_PROGRESS_H_
