// Implementation details: the paths are checked as given, relative ones from the current folder,
// so the findings name the files exactly as the user typed them, apart from the separator: on
// Windows a '/' becomes a backslash, which the check splits the media path at. The core's texts are
// Windows-1250 and go out in UTF-8.
#include "cli/check_command.h"

#include <algorithm>
#include <ostream>
#include <span>
#include <utility>

#include "cli/cli.h"
#include "cli/command_options.h"
#include "cli/converter_check.h"
#include "cli/option_parser.h"
#include "core/batch_scripts.h"
#include "core/encoding.h"
#include "core/io_error.h"
#include "core/lecture_check.h"
#include "platform/program_check.h"
#include "platform/real_disk.h"

namespace orvello::cli {

namespace {

struct Counts {
  int errors = 0;
  int warnings = 0;
};

Counts CountFindings(const std::vector<core::Finding>& findings) {
  Counts counts;
  for (const core::Finding& finding : findings)
    ++(finding.severity == core::Severity::kError ? counts.errors : counts.warnings);
  return counts;
}

void PrintFindings(std::span<const core::Finding> findings, std::ostream& out) {
  for (const core::Finding& finding : findings) {
    out << core::Cp1250ToUtf8(finding.file);
    if (finding.line > 0) out << ":" << finding.line;
    out << (finding.severity == core::Severity::kError ? ": error: " : ": warning: ")
        << core::Cp1250ToUtf8(finding.text) << "\n";
  }
}

std::string Counted(int count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

void PrintSummary(Counts counts, std::ostream& out) {
  out << Counted(counts.errors, "error") << ", " << Counted(counts.warnings, "warning") << "\n";
}

// The recording tool that proces.bat runs, named as proces.bat names it. The run never learns
// whether it ran (the scripts run after its message), so its absence is an error of its own here,
// put first, where the check before publishing never leaves it out.
void CheckRecordingTool(const std::string& producer, std::vector<core::Finding>* findings) {
  std::string tool = producer + platform::kPathSeparator + core::kRecordingToolName;
  platform::ProgramState state = platform::CheckProgram(tool);
  if (state == platform::ProgramState::kRunnable) return;
  std::string what = state == platform::ProgramState::kMissing
                         ? "there is no such program"
                         : "this is not a program that may be run";
  findings->insert(findings->begin(),
                   {tool, 0, core::Severity::kError,
                    what + "; proces.bat cannot process the recording, though the run says OK"});
}

}  // namespace

int CheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandLine values;
  std::string producer_field, converter;
  core::CheckInput input;
  std::string problem;
  if (!ParseOptions(args, kCheckOptions, &values, nullptr, &problem) ||
      !ToField("--media", WithSystemSeparators(values.media), &input.media, &problem) ||
      (values.style_given &&
       !ToField("--style", WithSystemSeparators(values.style), &input.style.emplace(), &problem)) ||
      (values.producer_given &&
       !ToField("--producer", WithSystemSeparators(values.producer), &producer_field, &problem)) ||
      !ChosenConverter(values.ffmpeg_given, values.ffmpeg, &converter, &problem)) {
    err << "orvello-cli check: " << problem << "\n" << Usage();
    return kExitUsage;
  }
  auto disk = platform::MakeRealDisk();
  std::vector<core::Finding> findings;
  try {
    findings = core::CheckLecture(*disk, input);
  } catch (const core::IoError& error) {
    PrintIoError("orvello-cli check", error, err);
    return kExitIoError;
  }
  if (values.producer_given) CheckRecordingTool(producer_field, &findings);
  for (core::Finding& finding : CheckConverter(*disk, input, converter))
    findings.push_back(std::move(finding));
  PrintFindings(findings, out);
  Counts counts = CountFindings(findings);
  PrintSummary(counts, out);
  return counts.errors > 0 ? kExitRefused : kExitSuccess;
}

void CheckBeforePublishing(const std::string& media, const std::string& style,
                           const std::string& producer, const std::string& converter,
                           std::ostream& err) {
  core::CheckInput input;
  std::string problem, producer_field;
  if (!ToField("--media", WithSystemSeparators(media), &input.media, &problem) ||
      !ToField("--style", WithSystemSeparators(style), &input.style.emplace(), &problem) ||
      !ToField("--producer", WithSystemSeparators(producer), &producer_field, &problem)) {
    return;
  }
  auto disk = platform::MakeRealDisk();
  try {
    std::vector<core::Finding> findings = core::CheckLecture(*disk, input);
    CheckRecordingTool(producer_field, &findings);
    for (core::Finding& finding : CheckConverter(*disk, input, converter))
      findings.push_back(std::move(finding));
    if (findings.empty()) return;
    size_t shown = std::min(findings.size(), kMostFindingsBeforePublishing);
    PrintFindings(std::span(findings).first(shown), err);
    if (shown < findings.size()) {
      err << "… and " << findings.size() - shown << " more: orvello-cli check --media " << media
          << " --style " << style << " lists them all\n";
    }
    PrintSummary(CountFindings(findings), err);
  } catch (const core::IoError&) {
  }
}

}  // namespace orvello::cli
