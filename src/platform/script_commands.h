#ifndef ORVELLO_PLATFORM_SCRIPT_COMMANDS_H_
#define ORVELLO_PLATFORM_SCRIPT_COMMANDS_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvello::platform {

/// The reports of one script line: every text goes out as "<name>:<number>: <text>", in one piece,
/// so that the other script running at the same time cannot cut into it.
class LineLog {
 public:
  LineLog(std::string_view name, size_t number, std::ostream& log)
      : name_(name), number_(number), log_(log) {}
  void Say(const std::string& text) {
    std::string line(name_);
    line.append(":").append(std::to_string(number_)).append(": ").append(text).append("\n");
    log_ << line;
  }

 private:
  std::string_view name_;
  size_t number_;
  std::ostream& log_;
};

/// `text` in single quotes, as the reports show a name. (Built by appending: GCC 12 at -O3
/// mistakes "'" + text + "'" for an overlapping copy.)
inline std::string SingleQuoted(const std::string& text) {
  std::string quoted(1, '\'');
  quoted.append(text).push_back('\'');
  return quoted;
}

// The commands of a script, each on this system's own terms (script_commands-posix.cc,
// script_commands-win32.cc). Names and arguments are Windows-1250; each reports what it did or
// why it failed to `log` and returns true on success. RunScript (script_runner.h) says what each
// one does.

/// Takes what a program writes on its standard error, piece by piece as it comes, when RunCommand
/// is given one; `Finish` comes once the program has closed it.
class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void Take(std::string_view bytes) = 0;
  virtual void Finish() = 0;
};

bool CopyCommand(const std::string& source, const std::string& destination, LineLog& log);
bool DeleteCommand(const std::string& name, LineLog& log);
/// Renames `source` to `destination` in one step, replacing a file of that name.
bool MoveCommand(const std::string& source, const std::string& destination, LineLog& log);
/// With `errors`, the program's standard error comes through a pipe to `errors` (a batch file on
/// Windows runs without it).
bool RunCommand(const std::vector<std::string>& args, LineLog& log, ErrorSink* errors = nullptr);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_SCRIPT_COMMANDS_H_
