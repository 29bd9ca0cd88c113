// Implementation details: the help is printed from the command table and the commands' option
// lists: a synopsis line for each command, then each command's description and the options it is
// the first to take, each with its meaning, then its notes. The texts keep their own line breaks;
// the help only indents them.
#include "cli/cli.h"

#include <algorithm>
#include <ostream>
#include <set>
#include <span>
#include <sstream>
#include <string_view>

#include "cli/check_command.h"
#include "cli/command_options.h"
#include "cli/publish_command.h"
#include "core/encoding.h"
#include "core/io_error.h"

namespace orvello::cli {

namespace {

struct Command {
  const char* name;
  std::span<const CommandOption> options;
  const char* description;  ///< the help's paragraph beside the name
  const char* notes;        ///< the help's paragraphs after the options; may be empty
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

constexpr Command kCommands[] = {
    {"publish", kPublishOptions,
     R"(Publishes a recorded lecture as a web site, as the desktop program's
"S P R A C U J" button does: reads the timing file beside the recording
(the media path with its last 3 characters replaced by ".txt"), writes the
pages, link files, event list and the two scripts into the output folder,
then starts the scripts. When the style folder holds the player's template
prehravac.htm, the run also writes the player page prehravac.htm, the
chapters kapitoly.vtt and a third script, konvertuj.bat, which converts
the recording (and each clip) with ffmpeg into zaznam.mp4 (klipNN.mp4).)",
     R"(Relative paths are taken from the current folder. An empty value ("") stays empty,
as an empty field does in the desktop program. Texts must be expressible in
Windows-1250, the code page of every file the program writes.

The run's message line is the only line on standard output, in UTF-8.
Exit status: 0 the run succeeded; 1 the run refused its input (its message line
says why); 2 a file operation failed (the error is on standard error); 3 with
--wait, a script failed; 64 the command line was wrong. Before the run, the
findings of check (below, with the same --style and --producer) go to standard
error.)",
     PublishCommand},
    {"check", kCheckOptions,
     R"(Reads the recording, its timing file and the segment files (and with
--style the style folder) as publish would, with --producer looks for
the recording tool rmevents there (missing or not runnable is an error),
writes nothing, and prints every problem as "FILE:LINE: error: TEXT" or
"FILE:LINE: warning: TEXT" (errors: publish refuses, fails or publishes
something plainly wrong; warnings: legal but probably not meant), then
"N errors, M warnings". With the player in the style folder it also
warns when no ffmpeg is found (--ffmpeg PATH names one) and when ffmpeg
cannot read the recording.
Exit status: 0 no errors; 1 errors; 2 the recording or its timing file
cannot be read; 64 the command line was wrong.)",
     "", CheckCommand},
};

// The longest line of the help, the width its texts are broken at.
constexpr size_t kHelpWidth = 84;
constexpr std::string_view kProgram = "orvello-cli ";

// `text` with each line after the first indented by `indent` spaces, and a line break at the end.
std::string Indented(std::string_view text, size_t indent) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\n') out.append(indent, ' ');
  }
  return out + "\n";
}

// "--media PATH", or "--wait" for a switch.
std::string FlagAndValue(const Option& option) {
  std::string text = option.flag;
  if (option.value_name) text.append(" ").append(option.value_name);
  return text;
}

// What the synopsis shows of `options`: "--media PATH", "[--web URL]", and last the switches, of
// which one may be given, as "[--no-start | --wait]".
std::vector<std::string> SynopsisItems(std::span<const CommandOption> options) {
  std::vector<std::string> items;
  std::string switches;
  for (const CommandOption& option : options) {
    const Option& o = *option.option;
    if (!o.value) {
      switches.append(switches.empty() ? "[" : " | ").append(o.flag);
    } else {
      items.push_back(option.required ? FlagAndValue(o) : "[" + FlagAndValue(o) + "]");
    }
  }
  if (!switches.empty()) items.push_back(switches + "]");
  return items;
}

// The command's synopsis after `lead`, broken before an item that would pass kHelpWidth; the
// next line begins under the end of the command's name.
void PrintSynopsis(const Command& command, std::string_view lead, std::ostream& out) {
  std::string line = std::string(lead).append(kProgram).append(command.name);
  const size_t indent = line.size();
  for (const std::string& item : SynopsisItems(command.options)) {
    if (line.size() + 1 + item.size() > kHelpWidth) {
      out << line << "\n";
      line = std::string(indent, ' ') + item;
    } else {
      line += " " + item;
    }
  }
  out << line << "\n";
}

// The lines of the options in `options` that `described` does not hold yet; adds them to it.
std::string OptionLines(std::span<const CommandOption> options,
                        std::set<const Option*>* described) {
  size_t width = 0;
  for (const CommandOption& option : options)
    width = std::max(width, FlagAndValue(*option.option).size());
  width += 3;
  std::string lines;
  for (const CommandOption& option : options) {
    if (!described->insert(option.option).second) continue;
    std::string head = FlagAndValue(*option.option);
    head.resize(width, ' ');
    lines += Indented("  " + head + option.option->meaning, 2 + width);
  }
  return lines;
}

std::string UsageText() {
  std::ostringstream out;
  for (const Command& command : kCommands)
    PrintSynopsis(command, &command == kCommands ? "usage: " : "       ", out);
  out << "       " << kProgram << "--help\n";
  size_t name_width = 0;
  for (const Command& command : kCommands)
    name_width = std::max(name_width, std::string_view(command.name).size() + 3);
  std::set<const Option*> described;
  for (const Command& command : kCommands) {
    std::string name = command.name;
    name.resize(name_width, ' ');
    out << "\n" << Indented(name + command.description, name_width);
    std::string options = OptionLines(command.options, &described);
    if (!options.empty()) out << "\n" << options;
    if (*command.notes) out << "\n" << command.notes << "\n";
  }
  return out.str();
}

}  // namespace

const std::string& Usage() {
  static const std::string text = UsageText();
  return text;
}

void PrintIoError(const char* who, const core::IoError& error, std::ostream& err) {
  err << who << ": ";
  if (!error.path().empty()) err << core::Cp1250ToUtf8(error.path()) << ": ";
  err << core::Cp1250ToUtf8(error.DisplayText()) << "\n";
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "orvello-cli: no command given\n" << Usage();
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << Usage();
    return kExitSuccess;
  }
  for (const Command& command : kCommands) {
    if (args[0] == command.name) {
      return command.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
  }
  err << "orvello-cli: unknown command '" << args[0] << "'\n" << Usage();
  return kExitUsage;
}

}  // namespace orvello::cli
