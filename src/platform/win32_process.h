#ifndef ORVELLO_PLATFORM_WIN32_PROCESS_H_
#define ORVELLO_PLATFORM_WIN32_PROCESS_H_

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Windows only: starting the script runner and the programs a script names.
namespace orvello::platform {

/// `arg` as one argument of a command line, quoted where needed so that a program splitting the
/// line the usual way (CommandLineToArgvW, the C runtime) gets it back unchanged.
std::wstring QuoteArgument(std::wstring_view arg);

/// The arguments quoted and joined by spaces.
std::wstring CommandLine(const std::vector<std::wstring>& args);

/// The command line on which the command interpreter runs the batch file `script` with `args`,
/// each of them reaching it as one argument in double quotes, every character as it stands: no
/// '&', '|', '<', '>', '(' or ')' starts a command or a redirection, no '^' goes missing, no
/// '%' or '!' expands a variable. Empty when that cannot be done: `script` holds a '%' or a '"',
/// or an argument a '"' or a control character (a line break would end the command).
std::wstring BatchCommandLine(const std::wstring& script, const std::vector<std::wstring>& args);

/// How StartProcess starts a program.
struct ProcessOptions {
  std::wstring folder;           ///< its working directory; empty: the caller's
  bool output_to_error = false;  ///< its standard output goes to the caller's standard error
  bool own_group = false;        ///< in a process group of its own, out of reach of a Ctrl+C
  HANDLE error = nullptr;        ///< its standard error instead of the caller's (a pipe's end)
};

/// Starts the program `application` with `command_line` (its name first), with the caller's
/// standard handles and console; a caller without a console gives it none either, so that no
/// console window opens. Returns the process handle (the caller closes it), or nullptr with
/// GetLastError() set.
HANDLE StartProcess(const std::wstring& application, const std::wstring& command_line,
                    const ProcessOptions& options);

/// The path of the running program's own folder, with a trailing separator.
std::wstring OwnFolder();

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WIN32_PROCESS_H_
