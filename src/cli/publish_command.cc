// Implementation details: the command line is UTF-8 whatever the locale; each field is made
// absolute (a relative path would otherwise depend on where the scripts run) and converted to
// Windows-1250 before the run sees it. Output goes back to UTF-8 at the end. The lecture is
// checked first, on standard error only, so the run's own output stays as it always was.
#include "cli/publish_command.h"

#include <ostream>

#include "cli/check_command.h"
#include "cli/cli.h"
#include "cli/command_options.h"
#include "cli/converter_check.h"
#include "cli/option_parser.h"
#include "core/encoding.h"
#include "core/io_error.h"
#include "core/process_run.h"
#include "platform/real_disk.h"
#include "platform/script_launcher.h"
#include "platform/working_directory.h"

namespace orvello::cli {

namespace {

// `flag` is one of publish's two switches.
bool SetScriptMode(const std::string& flag, PublishOptions* options, std::string* err) {
  ScriptMode mode = flag == kNoStartOption.flag ? ScriptMode::kNone : ScriptMode::kWait;
  if (options->scripts == mode) {
    *err = flag + " is given twice";
    return false;
  }
  if (options->scripts != ScriptMode::kStart) {
    *err = std::string(kNoStartOption.flag) + " and " + kWaitOption.flag + " exclude each other";
    return false;
  }
  options->scripts = mode;
  return true;
}

bool ToRunFields(const PublishOptions& options, core::RunFields* fields, std::string* err) {
  using platform::AbsoluteUtf8Path;
  return ToField("--media", AbsoluteUtf8Path(options.media), &fields->media, err) &&
         ToField("--out", AbsoluteUtf8Path(options.out), &fields->output, err) &&
         ToField("--style", AbsoluteUtf8Path(options.style), &fields->style, err) &&
         ToField("--producer", AbsoluteUtf8Path(options.producer), &fields->producer, err) &&
         ToField("--web", options.web, &fields->web, err);
}

// Prints how each waited-for script ended; false when one failed.
bool ReportScripts(const std::vector<platform::ScriptLauncher::Outcome>& outcomes,
                   std::ostream& err) {
  bool succeeded = true;
  for (const auto& outcome : outcomes) {
    err << "orvello-cli: " << outcome.name << ": "
        << (outcome.problem.empty() ? "exit status " + std::to_string(outcome.exit_status)
                                    : outcome.problem)
        << "\n";
    if (outcome.exit_status != 0 || !outcome.problem.empty()) succeeded = false;
  }
  return succeeded;
}

}  // namespace

bool ParsePublishOptions(const std::vector<std::string>& args, PublishOptions* options,
                         std::string* err) {
  auto on_switch = [options](const std::string& flag, std::string* err) {
    return SetScriptMode(flag, options, err);
  };
  return ParseOptions(args, kPublishOptions, options, on_switch, err);
}

int PublishCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  PublishOptions options;
  core::RunFields fields;
  std::string problem, converter;
  if (!ParsePublishOptions(args, &options, &problem) || !ToRunFields(options, &fields, &problem) ||
      !ChosenConverter(options.ffmpeg_given, options.ffmpeg, &converter, &problem)) {
    err << "orvello-cli publish: " << problem << "\n" << Usage();
    return kExitUsage;
  }

  CheckBeforePublishing(options.media, options.style, options.producer, converter, err);
  auto disk = platform::MakeRealDisk();
  core::NoScriptStarter no_scripts;
  platform::ScriptLauncher launcher(/*wait=*/options.scripts == ScriptMode::kWait);
  core::ScriptStarter& starter = options.scripts == ScriptMode::kNone
                                     ? static_cast<core::ScriptStarter&>(no_scripts)
                                     : launcher;
  core::RunState state;
  try {
    core::RunOutcome outcome = core::ProcessRun(fields, &state, *disk, starter, converter);
    out << core::Cp1250ToUtf8(outcome.message_line) << "\n";
    if (outcome.result != core::RunResult::kSucceeded) return kExitRefused;
  } catch (const core::IoError& error) {
    PrintIoError("orvello-cli", error, err);
    return kExitIoError;
  }
  return ReportScripts(launcher.WaitAll(), err) ? kExitSuccess : kExitScriptFailed;
}

}  // namespace orvello::cli
