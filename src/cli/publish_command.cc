// Implementation details: the command line is UTF-8 whatever the locale; each field is made
// absolute (a relative path would otherwise depend on where the scripts run) and converted to
// Windows-1250 before the run sees it. Output goes back to UTF-8 at the end.
#include "cli/publish_command.h"

#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "core/encoding.h"
#include "core/io_error.h"
#include "core/process_run.h"
#include "platform/real_disk.h"
#include "platform/script_launcher.h"

namespace orvello::cli {

namespace {

struct ValueOption {
  const char* flag;
  std::string PublishOptions::*field;
  bool required;
};

constexpr ValueOption kValueOptions[] = {
    {"--media", &PublishOptions::media, true}, {"--out", &PublishOptions::out, true},
    {"--style", &PublishOptions::style, true}, {"--producer", &PublishOptions::producer, true},
    {"--web", &PublishOptions::web, false},
};

const ValueOption* FindValueOption(const std::string& flag) {
  for (const auto& option : kValueOptions) {
    if (flag == option.flag) return &option;
  }
  return nullptr;
}

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

// An empty field stays empty; a relative path is taken from the current folder. On Windows each
// '/' becomes a backslash, the separator the run splits the media path at.
std::string Absolute(const std::string& utf8_path) {
  if (utf8_path.empty()) return utf8_path;
  std::error_code ec;
  auto path = std::filesystem::absolute(std::filesystem::u8path(utf8_path), ec);
  if (ec) return utf8_path;
  auto text = path.make_preferred().u8string();
  return std::string(text.begin(), text.end());
}

// A line break would split the scripts' lines, which the desktop program's one-line fields can
// never produce; characters outside Windows-1250 cannot be written into the program's files.
bool ToField(const char* flag, const std::string& utf8, std::string* field, std::string* err) {
  if (utf8.find_first_of("\r\n") != std::string::npos) {
    *err = std::string(flag) + ": the value holds a line break";
    return false;
  }
  if (core::Utf8ToCp1250(utf8, field)) return true;
  *err = std::string(flag) + ": '" + utf8 + "' holds characters that Windows-1250 cannot hold";
  return false;
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
  bool seen[std::size(kValueOptions)] = {};
  for (size_t i = 0; i < args.size(); ++i) {
    std::string flag = args[i];
    std::string value;
    bool inline_value = false;
    if (size_t eq = flag.find('='); flag.starts_with("--") && eq != std::string::npos) {
      value = flag.substr(eq + 1);
      flag.resize(eq);
      inline_value = true;
    }
    if (const ValueOption* option = FindValueOption(flag)) {
      if (!inline_value) {
        if (i + 1 == args.size()) {
          *err = flag + " needs a value";
          return false;
        }
        value = args[++i];
      }
      seen[option - kValueOptions] = true;
      options->*(option->field) = value;
    } else if (flag == "--no-start" && !inline_value) {
      if (!SetScriptMode(ScriptMode::kNone, options, err)) return false;
    } else if (flag == "--wait" && !inline_value) {
      if (!SetScriptMode(ScriptMode::kWait, options, err)) return false;
    } else {
      *err = "unknown argument '" + args[i] + "'";
      return false;
    }
  }
  for (size_t i = 0; i < std::size(kValueOptions); ++i) {
    if (kValueOptions[i].required && !seen[i]) {
      *err = std::string(kValueOptions[i].flag) + " is missing";
      return false;
    }
  }
  return true;
}

int PublishCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  PublishOptions options;
  core::RunFields fields;
  std::string problem;
  if (!ParsePublishOptions(args, &options, &problem) || !ToRunFields(options, &fields, &problem)) {
    err << "orvello-cli publish: " << problem << "\n" << kUsage;
    return kExitUsage;
  }

  auto disk = platform::MakeRealDisk();
  core::NoScriptStarter no_scripts;
  platform::ScriptLauncher launcher(/*wait=*/options.scripts == ScriptMode::kWait);
  core::ScriptStarter& starter = options.scripts == ScriptMode::kNone
                                     ? static_cast<core::ScriptStarter&>(no_scripts)
                                     : launcher;
  core::RunState state;
  try {
    core::RunOutcome outcome = core::ProcessRun(fields, &state, *disk, starter);
    out << core::Cp1250ToUtf8(outcome.message_line) << "\n";
    if (outcome.result != core::RunResult::kSucceeded) return kExitRefused;
  } catch (const core::IoError& error) {
    err << "orvello-cli: ";
    if (!error.path().empty()) err << core::Cp1250ToUtf8(error.path()) << ": ";
    err << core::Cp1250ToUtf8(error.DisplayText()) << "\n";
    return kExitIoError;
  }
  return ReportScripts(launcher.WaitAll(), err) ? kExitSuccess : kExitScriptFailed;
}

}  // namespace orvello::cli
