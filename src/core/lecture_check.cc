// Implementation details: the timing file is read with the run's own segment reader, and what the
// run refuses is asked of the run's own tests, so that the check and the run cannot disagree.
// Files are only opened for reading; a file that cannot be opened is a finding, except the
// recording and the timing file, without which there is nothing to check.
#include "core/lecture_check.h"

#include <algorithm>

#include "core/batch_scripts.h"
#include "core/file_checks.h"
#include "core/io_error.h"
#include "core/job_parameters.h"
#include "core/messages.h"
#include "core/realmedia_header.h"
#include "core/run_state.h"
#include "core/segment_checks.h"
#include "core/template_pages.h"
#include "core/text_reader.h"
#include "core/timing_file.h"

namespace orvello::core {

namespace {

// One of the run's own refusal texts, without the counter's ": " in front.
std::string RunRefuses(const char* message) {
  return std::string("the run refuses the lecture: ") + (message + 2);
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

bool IsMissing(int code) { return code == kFileNotFound || code == kInvalidFilename; }

// What a file that cannot be opened costs: the run stops at a file it reads itself, the copy
// script silently leaves out a file it copies.
std::string Consequence(bool read_by_run, int code) {
  return read_by_run ? "; the run stops with \"" + IoError(code).DisplayText() + "\""
                     : "; the copy script copies nothing for it";
}

std::string MissingSegmentFile(const Segment& segment, int code) {
  std::string name = Quoted(segment.file_name);
  std::string what = IsMissing(code) ? name + " is not in the recording's folder"
                     : code == kFileAccessDenied
                         ? name + " is not a regular file or may not be read"
                         : name + " cannot be read (" + IoError(code).DisplayText() + ")";
  return what + Consequence(segment.type == 'H', code);
}

void CheckSegmentFile(DiskInterface& disk, const JobParameters& params, const Segment& segment,
                      size_t line, std::vector<Finding>* findings) {
  if (segment.file_name.empty()) {
    findings->push_back(
        {params.timing_path, line, Severity::kError, "the segment has no file name"});
    return;
  }
  if (int code = OpenForReadError(disk, params.media_dir + segment.file_name)) {
    findings->push_back(
        {params.timing_path, line, Severity::kError, MissingSegmentFile(segment, code)});
  }
}

void CheckTimingFile(DiskInterface& disk, RunState* state, std::optional<uint32_t> recording_ms,
                     std::vector<Finding>* findings) {
  const JobParameters& params = state->params;
  size_t first = findings->size();
  SegmentChecker checker(params.timing_path, recording_ms, findings);
  TextReader reader(disk, params.timing_path);
  Segment segment;
  SegmentLines lines;
  for (int number = 1; ReadTimingSegment(reader, &segment, &lines); ++number) {
    if (number == kMaxSegments + 1) {
      findings->push_back(
          {params.timing_path, lines.first, Severity::kError, RunRefuses(kTooManySegmentsMessage)});
    }
    if (checker.Check(segment, lines))
      CheckSegmentFile(disk, params, segment, lines.first, findings);
    if (CopiedNameHoldsQuote(segment)) {
      findings->push_back(
          {params.timing_path, lines.first, Severity::kError, RunRefuses(kQuoteInNameMessage)});
    }
    if (number <= kMaxSegments) state->segments.Add(segment);
  }
  reader.Close();
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

}  // namespace

std::vector<Finding> CheckLecture(DiskInterface& disk, const CheckInput& input) {
  RunState state;
  state.params =
      DeriveJobParameters({input.media, "", "", input.style.value_or(""), ""}, disk.separator());
  std::vector<Finding> findings;
  if (ScriptPathsHoldQuote(state.params)) {
    findings.push_back({input.media, 0, Severity::kError, RunRefuses(kQuoteInNameMessage)});
  }
  std::optional<uint32_t> recording_ms = CheckRecording(disk, state.params, &findings);
  CheckTimingFile(disk, &state, recording_ms, &findings);
  if (input.style) CheckStyleFolder(disk, state.params, &findings);
  return findings;
}

}  // namespace orvello::core
