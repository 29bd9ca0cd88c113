// Implementation details: the command line is UTF-8 whatever the locale; each field is made
// absolute (a relative path would otherwise depend on where the scripts run) and converted to
// Windows-1250 before the run sees it. Output goes back to UTF-8 at the end. The lecture is
// checked first, on standard error only, so the run's own output stays as it always was.
#include "cli/publish_command.h"

#include <filesystem>
#include <ostream>

#include "cli/check_command.h"
#include "cli/cli.h"
#include "cli/converter_check.h"
#include "cli/option_parser.h"
#include "core/encoding.h"
#include "core/io_error.h"
#include "core/process_run.h"
#include "platform/real_disk.h"
#include "platform/script_launcher.h"

namespace orvello::cli {

namespace {

bool SetScriptMode(ScriptMode mode, PublishOptions* options, std::string* err) {
  if (options->scripts == mode) {
    *err = std::string(mode == ScriptMode::kWait ? "--wait" : "--no-start") + " is given twice";
    return false;
  }
  if (options->scripts != ScriptMode::kStart) {
    *err = "--no-start and --wait exclude each other";
    return false;
  }
  options->scripts = mode;
  return true;
}

// An empty field stays empty; a relative path is taken from the current folder, with the
// system's separator.
std::string Absolute(const std::string& utf8_path) {
  if (utf8_path.empty()) return utf8_path;
  std::error_code ec;
  auto path = std::filesystem::absolute(std::filesystem::u8path(utf8_path), ec);
  if (ec) return utf8_path;
  auto text = path.u8string();
  return WithSystemSeparators(std::string(text.begin(), text.end()));
}

bool ToRunFields(const PublishOptions& options, core::RunFields* fields, std::string* err) {
  return ToField("--media", Absolute(options.media), &fields->media, err) &&
         ToField("--out", Absolute(options.out), &fields->output, err) &&
         ToField("--style", Absolute(options.style), &fields->style, err) &&
         ToField("--producer", Absolute(options.producer), &fields->producer, err) &&
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
  const ValueOption value_options[] = {
      {"--media", &options->media, true},
      {"--out", &options->out, true},
      {"--style", &options->style, true},
      {"--producer", &options->producer, true},
      {"--web", &options->web, false},
      {"--ffmpeg", &options->ffmpeg, false, &options->ffmpeg_given},
  };
  auto on_switch = [options](const std::string& flag, std::string* err) {
    if (flag == "--no-start") return SetScriptMode(ScriptMode::kNone, options, err);
    if (flag == "--wait") return SetScriptMode(ScriptMode::kWait, options, err);
    *err = UnknownArgument(flag);
    return false;
  };
  return ParseOptions(args, value_options, on_switch, err);
}

int PublishCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  PublishOptions options;
  core::RunFields fields;
  std::string problem, converter;
  if (!ParsePublishOptions(args, &options, &problem) || !ToRunFields(options, &fields, &problem) ||
      !ChosenConverter(options.ffmpeg_given, options.ffmpeg, &converter, &problem)) {
    err << "orvello-cli publish: " << problem << "\n" << kUsage;
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
