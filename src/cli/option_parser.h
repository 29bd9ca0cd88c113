#ifndef ORVELLO_CLI_OPTION_PARSER_H_
#define ORVELLO_CLI_OPTION_PARSER_H_

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace orvello::cli {

/// The values of a command line's options, in UTF-8 as typed; each command reads those it takes.
struct CommandLine {
  std::string media, out, style, producer, web;
  std::string ffmpeg;  ///< --ffmpeg: the converter konvertuj.bat runs
  bool style_given = false, producer_given = false;
  bool ffmpeg_given = false;  ///< else the system's (platform::FindConverter)
};

/// An option of orvello-cli: how the parser takes it and what the help says of it. An option with
/// a value is given as `--flag VALUE` or `--flag=VALUE`, and the last one given counts; a switch
/// is given as `--flag` alone.
struct Option {
  const char* flag;        ///< "--media"
  const char* value_name;  ///< "PATH", as the help names the value; null: a switch
  std::string CommandLine::*value = nullptr;  ///< where the value goes; null for a switch
  bool CommandLine::*given = nullptr;         ///< set when the option is given, when not null
  const char* meaning = "";                   ///< the help's text; each '\n' begins another line
};

/// An option as one command takes it.
struct CommandOption {
  const Option* option;
  bool required;
};

/// Handles a switch of the command; returns false with the reason in `*err` when it refuses it.
using SwitchHandler = std::function<bool(const std::string& flag, std::string* err)>;

/// Parses the arguments of one command, which takes `options`, into `*values` and `on_switch`
/// (which may be empty for a command without switches). Returns false with the reason in `*err`
/// for an unknown argument, an option without its value or a required option that is missing.
bool ParseOptions(const std::vector<std::string>& args, std::span<const CommandOption> options,
                  CommandLine* values, const SwitchHandler& on_switch, std::string* err);

/// Converts the UTF-8 value of `flag` into the Windows-1250 field `*field`. Refuses, with the
/// reason in `*err`, a line break (the one-line fields of the desktop program never hold one, and
/// it would split the lines of the scripts) and characters that Windows-1250 cannot hold.
bool ToField(const char* flag, const std::string& utf8, std::string* field, std::string* err);

/// The UTF-8 path `path` with the system's separator: on Windows each '/' becomes a backslash, the
/// separator the run splits the media path at; elsewhere it stays as it is.
std::string WithSystemSeparators(const std::string& path);

/// The reason for an argument that no command knows.
std::string UnknownArgument(const std::string& arg);

}  // namespace orvello::cli

#endif  // ORVELLO_CLI_OPTION_PARSER_H_
