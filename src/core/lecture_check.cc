// Implementation details: the timing file is read with the run's own segment reader, and what the
// run refuses is asked of the run's own tests, so that the check and the run cannot disagree. A
// refused segment is reported with the run's reason alone: its file is not looked for.
// Files are only opened for reading; a file that cannot be opened is a finding, except the
// recording and the timing file, without which there is nothing to check.
#include "core/lecture_check.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/batch_scripts.h"
#include "core/file_checks.h"
#include "core/file_names.h"
#include "core/io_error.h"
#include "core/job_parameters.h"
#include "core/messages.h"
#include "core/player_names.h"
#include "core/realmedia_header.h"
#include "core/run_refusals.h"
#include "core/run_state.h"
#include "core/segment_checks.h"
#include "core/template_pages.h"
#include "core/text_reader.h"
#include "core/timing_file.h"

namespace orvello::core {

namespace {

// `reason` is the run's own text, as its numbered message shows it after "N: ".
std::string RunRefuses(std::string_view reason) {
  return std::string("the run refuses the lecture: ").append(reason);
}

std::optional<uint32_t> CheckRecording(DiskInterface& disk, const JobParameters& params,
                                       std::vector<Finding>* findings) {
  uint32_t duration_ms = 0;
  std::string reason;
  if (ReadRealMediaDuration(disk, params.media_path, &duration_ms, &reason)) return duration_ms;
  findings->push_back({params.media_path, 0, Severity::kWarning,
                       "the recording's length is unknown (" + reason +
                           "); segment times are not checked against it"});
  return std::nullopt;
}

bool IsMissing(int code) { return ProbeStatusFor(code) == ProbeStatus::kNotFound; }

constexpr char kCopiesNothing[] = "; the copy script copies nothing for it";

// What a file that cannot be opened costs: the run stops at a file it reads itself, the copy
// script silently leaves out a file it copies.
std::string Consequence(bool read_by_run, int code) {
  return read_by_run ? "; the run stops with \"" + IoError(code).DisplayText() + "\""
                     : kCopiesNothing;
}

std::string MissingSegmentFile(const Segment& segment, int code) {
  std::string name = Quoted(segment.file_name);
  std::string what = segment.file_name.empty() ? "the segment has no file name"
                     : IsMissing(code)         ? name + " is not in the recording's folder"
                     : code == kFileAccessDenied
                         ? name + " is not a regular file or may not be read"
                         : name + " cannot be read (" + IoError(code).DisplayText() + ")";
  return what + Consequence(!CopiedByScript(segment), code);
}

// A copied name whose Copy line names the recording's folder or a sub-folder, which the script
// runner does not copy.
bool NamesNoFile(const std::string& name) { return name.empty() || IsNameSeparator(name.back()); }

std::string NoFileText(const std::string& name) {
  return (name.empty() ? std::string("the segment has no file name")
                       : Quoted(name) + " names a folder, so the segment has no file") +
         kCopiesNothing;
}

// The characters of `name` that the command interpreter reads otherwise than the script runner
// does: '%' as a variable, '*' and '?' as patterns; each once, quoted, as they first appear.
std::vector<std::string> PatternCharacters(const std::string& name) {
  std::vector<std::string> held;
  std::string seen;
  for (char c : name) {
    if ((c == '%' || c == '*' || c == '?') && seen.find(c) == std::string::npos) {
      seen.push_back(c);
      held.push_back(Quoted(std::string(1, c)));
    }
  }
  return held;
}

void CheckSegmentFile(DiskInterface& disk, const JobParameters& params, const Segment& segment,
                      size_t line, std::vector<Finding>* findings) {
  const std::string& name = segment.file_name;
  const bool copied = CopiedByScript(segment);
  auto add = [&](Severity severity, std::string text) {
    findings->push_back({params.timing_path, line, severity, std::move(text)});
  };
  // A longer name is not looked for: that would only copy it twice more.
  if (name.size() > kLongestPath) {
    add(Severity::kError, Quoted(name) + " is longer than any path a file system takes" +
                              (copied ? kCopiesNothing : "; the run stops at it"));
    return;
  }
  if (copied && NamesNoFile(name)) {
    add(Severity::kError, NoFileText(name));
    return;
  }
  if (int code = OpenForReadError(disk, params.media_dir + name)) {
    add(Severity::kError, MissingSegmentFile(segment, code));
    return;
  }
  std::vector<std::string> held = copied ? PatternCharacters(name) : std::vector<std::string>{};
  if (!held.empty()) {
    add(Severity::kWarning, Quoted(name) + " holds " + ListOf(held) +
                                ": the program's own script runner copies the file as written, "
                                "but the command interpreter would not, should anyone run "
                                "kopiruj.bat by hand");
  }
}

// Reads the timing file into `state->segments` as a run reads it, and returns the lines each
// segment came from. A segment past the limit, which makes the run refuse the whole file, is
// reported and ends the reading.
std::vector<SegmentLines> ReadSegments(DiskInterface& disk, RunState* state,
                                       std::vector<Finding>* findings) {
  const std::string& path = state->params.timing_path;
  std::vector<SegmentLines> where;
  TextReader reader(disk, path);
  Segment segment;
  SegmentLines lines;
  while (ReadTimingSegment(reader, &segment, &lines)) {
    if (state->segments.count() == kMaxSegments) {
      findings->push_back(
          {path, lines.first, Severity::kError, RunRefuses(TooManySegmentsRefusal().reason)});
      break;
    }
    state->segments.Add(std::move(segment));  // a file name may be as long as the whole file
    where.push_back(lines);
  }
  reader.Close();
  return where;
}

void CheckTimingFile(DiskInterface& disk, RunState* state, std::optional<uint32_t> recording_ms,
                     std::vector<Finding>* findings) {
  const JobParameters& params = state->params;
  size_t first = findings->size();
  std::vector<SegmentLines> where = ReadSegments(disk, state, findings);
  std::vector<std::string> refusals(where.size() + 1);
  for (SegmentRefusal& refusal : FindSegmentRefusals(*state)) {
    refusals[static_cast<size_t>(refusal.segment)] = std::move(refusal.reason);
  }
  SegmentChecker checker(params.timing_path, recording_ms, findings);
  for (int i = 1; i <= state->segments.count(); ++i) {
    const Segment& segment = state->segments.at(i);
    const std::string& refusal = refusals[static_cast<size_t>(i)];
    SegmentLines lines = where[static_cast<size_t>(i - 1)];
    bool sound = checker.Check(segment, lines, /*refused=*/!refusal.empty());
    if (!refusal.empty()) {
      findings->push_back({params.timing_path, lines.first, Severity::kError, RunRefuses(refusal)});
    } else if (sound) {
      CheckSegmentFile(disk, params, segment, lines.first, findings);
    }
  }
  std::stable_sort(findings->begin() + static_cast<std::ptrdiff_t>(first), findings->end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

void CheckStyleFile(DiskInterface& disk, const JobParameters& params, const char* name,
                    bool is_template, std::vector<Finding>* findings) {
  int code = OpenForReadError(disk, params.style_dir + name);
  if (code == 0) return;
  std::string what = IsMissing(code)
                         ? "the style folder has no such file"
                         : "the file cannot be read (" + IoError(code).DisplayText() + ")";
  findings->push_back(
      {params.style_dir + name, 0, Severity::kError, what + Consequence(is_template, code)});
}

void CheckStyleFolder(DiskInterface& disk, const JobParameters& params,
                      std::vector<Finding>* findings) {
  for (const char* name : {kPTemplateName, kFTemplateName, kNTemplateName}) {
    CheckStyleFile(disk, params, name, /*is_template=*/true, findings);
  }
  for (const char* name : kStyleAssets) {
    CheckStyleFile(disk, params, name, /*is_template=*/false, findings);
  }
}

void CheckPlayerAssets(DiskInterface& disk, const JobParameters& params,
                       std::vector<Finding>* findings) {
  CheckStyleFile(disk, params, kPlayerPageName, /*is_template=*/true, findings);
  for (const char* name : kPlayerAssets) {
    CheckStyleFile(disk, params, name, /*is_template=*/false, findings);
  }
}

}  // namespace

std::vector<Finding> CheckLecture(DiskInterface& disk, const CheckInput& input) {
  RunState state;
  state.params =
      DeriveJobParameters({input.media, "", "", input.style.value_or(""), ""}, disk.separator());
  state.player = input.style && StyleHasPlayer(disk, state.params.style_dir);
  std::vector<Finding> findings;
  if (ScriptPathsHoldQuote(state.params)) {
    findings.push_back(
        {input.media, 0, Severity::kError, RunRefuses(AfterCounter(kQuoteInNameMessage))});
  }
  std::optional<uint32_t> recording_ms = CheckRecording(disk, state.params, &findings);
  CheckTimingFile(disk, &state, recording_ms, &findings);
  if (input.style) CheckStyleFolder(disk, state.params, &findings);
  if (state.player) CheckPlayerAssets(disk, state.params, &findings);
  return findings;
}

}  // namespace orvello::core
