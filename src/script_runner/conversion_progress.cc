// Implementation details: the level tag stands after the tags "[name @ address] " of the
// component that logs, so those are skipped first. A statistics line is recognised by its
// content ("frame=" or, without video, "size=" and a "time="), with or without its tag: the
// converter tags a line only when the one before it ended.
#include "script_runner/conversion_progress.h"

#include <cmath>

#include "core/convert_script.h"
#include "core/player_names.h"

namespace orvello::script_runner {

namespace {

constexpr std::string_view kInfoTag = "[info] ";

// `line` after the tags of the component that logs it.
std::string_view AfterComponentTags(std::string_view line) {
  while (line.starts_with('[')) {
    size_t end = line.find("] ");
    if (end == std::string_view::npos || line.substr(0, end).find(" @ ") == std::string_view::npos)
      break;
    line.remove_prefix(end + 2);
  }
  return line;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The seconds of "HH:MM:SS.ss" at the start of `text` (hours of any length, a fraction of any
// length or none); nothing when it is not one ("N/A", a negative time).
std::optional<double> Seconds(std::string_view text) {
  size_t i = 0;
  double parts[3] = {0, 0, 0};
  for (int part = 0; part < 3; ++part) {
    size_t begin = i;
    while (i < text.size() && IsDigit(text[i])) parts[part] = parts[part] * 10 + (text[i++] - '0');
    if (i == begin || (part < 2 && (i == text.size() || text[i++] != ':'))) return std::nullopt;
  }
  double fraction = 0, scale = 1;
  if (i < text.size() && text[i] == '.') {
    while (++i < text.size() && IsDigit(text[i])) fraction += (text[i] - '0') * (scale /= 10);
  }
  return parts[0] * 3600 + parts[1] * 60 + parts[2] + fraction;
}

// The time after `key` in `text`, when `key` is there and a time follows it.
std::optional<double> TimeAfter(std::string_view text, std::string_view key) {
  size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  return Seconds(text.substr(at + key.size()));
}

bool IsStatistics(std::string_view text) {
  return (text.starts_with("frame=") || text.starts_with("size=")) &&
         text.find("time=") != std::string_view::npos;
}

}  // namespace

bool ReportsConversionProgress(const ScriptLine& line) {
  if (line.kind != ScriptLine::Kind::kRun) return false;
  for (size_t i = 1; i + 1 < line.args.size(); ++i) {
    if (line.args[i] == core::kLogLevelOption && line.args[i + 1] == core::kTaggedLogLevel)
      return true;
  }
  return false;
}

std::string ConversionTarget(const ScriptLine& line) {
  constexpr std::string_view kEnding = core::kTemporaryEnding;
  std::string target = line.args.back();
  if (target.size() > kEnding.size() && target.ends_with(kEnding))
    target.resize(target.size() - kEnding.size());
  return target;
}

std::vector<std::string> ConversionProgress::Take(std::string_view bytes, Clock::time_point now) {
  std::vector<std::string> reports;
  for (char c : bytes) {
    if (c != '\n' && c != '\r') {
      partial_.push_back(c);
      continue;
    }
    if (!partial_.empty()) TakeLine(partial_, now, &reports);
    partial_.clear();
  }
  return reports;
}

std::vector<std::string> ConversionProgress::Finish(Clock::time_point now) {
  std::vector<std::string> reports;
  if (!partial_.empty()) TakeLine(partial_, now, &reports);
  partial_.clear();
  return reports;
}

void ConversionProgress::TakeLine(std::string_view line, Clock::time_point now,
                                  std::vector<std::string>* reports) {
  std::string_view text = AfterComponentTags(line);
  bool info = text.starts_with(kInfoTag);
  if (info) text.remove_prefix(kInfoTag.size());
  if (IsStatistics(text)) {
    if (std::optional<double> time = TimeAfter(text, "time=")) TakeTime(*time, now, reports);
    return;
  }
  if (info) {
    if (!duration_) duration_ = TimeAfter(text, "Duration: ");
    return;
  }
  reports->emplace_back(line);
}

void ConversionProgress::TakeTime(double seconds, Clock::time_point now,
                                  std::vector<std::string>* reports) {
  if (!duration_ || *duration_ <= 0) return;
  int percent = static_cast<int>(std::floor(seconds / *duration_ * 100));
  percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  if (percent == shown_percent_ || (shown_at_ && now - *shown_at_ < std::chrono::seconds(1)))
    return;
  shown_at_ = now;
  shown_percent_ = percent;
  reports->push_back(target_ + ": " + std::to_string(percent) + " %");
}

}  // namespace orvello::script_runner
