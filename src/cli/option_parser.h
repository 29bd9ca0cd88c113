#ifndef ORVELLO_CLI_OPTION_PARSER_H_
#define ORVELLO_CLI_OPTION_PARSER_H_

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace orvello::cli {

/// An option that takes a value, given as `--flag VALUE` or `--flag=VALUE`; the last one given
/// counts.
struct ValueOption {
  const char* flag;
  std::string* value;
  bool required;
  bool* given = nullptr;  ///< set when the option is on the command line
};

/// Handles a bare switch such as `--wait`; returns false with the reason in `*err` when it does
/// not know it or refuses it.
using SwitchHandler = std::function<bool(const std::string& flag, std::string* err)>;

/// Parses the arguments of one command into `options` and `on_switch`. Returns false with the
/// reason in `*err` for an unknown argument, an option without its value or a required option
/// that is missing.
bool ParseOptions(const std::vector<std::string>& args, std::span<const ValueOption> options,
                  const SwitchHandler& on_switch, std::string* err);

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
