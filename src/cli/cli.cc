#include "cli/cli.h"

#include <ostream>
#include <string_view>

#include "cli/check_command.h"
#include "cli/publish_command.h"
#include "core/encoding.h"
#include "core/io_error.h"

namespace orvello::cli {

const char kUsage[] =
    R"(usage: orvello-cli publish --media PATH --out DIR --style DIR --producer DIR
                          [--web URL] [--ffmpeg PATH] [--no-start | --wait]
       orvello-cli check --media PATH [--style DIR] [--producer DIR] [--ffmpeg PATH]
       orvello-cli --help

publish   Publishes a recorded lecture as a web site, as the desktop program's
          "S P R A C U J" button does: reads the timing file beside the recording
          (the media path with its last 3 characters replaced by ".txt"), writes the
          pages, link files, event list and the two scripts into the output folder,
          then starts the scripts. When the style folder holds the player's template
          prehravac.htm, the run also writes the player page prehravac.htm, the
          chapters kapitoly.vtt and a third script, konvertuj.bat, which converts
          the recording (and each clip) with ffmpeg into zaznam.mp4 (klipNN.mp4).

  --media PATH     the recording (.rm); its folder holds the segment files
  --out DIR        the output folder; it must exist and be writable
  --style DIR      the style folder with the page templates and the site's images
  --producer DIR   the folder of the recording tool that proces.bat runs
  --web URL        the site's web address (optional; empty links stay local)
  --ffmpeg PATH    the converter konvertuj.bat runs (optional; else ffmpeg on PATH,
                   on Windows ffmpeg.exe beside orvello-cli.exe or on PATH)
  --no-start       write everything but start no script
  --wait           start the scripts, wait for them and report their exit statuses;
                   the conversion shows its progress as a percentage

Relative paths are taken from the current folder. An empty value ("") stays empty,
as an empty field does in the desktop program. Texts must be expressible in
Windows-1250, the code page of every file the program writes.

The run's message line is the only line on standard output, in UTF-8.
Exit status: 0 the run succeeded; 1 the run refused its input (its message line
says why); 2 a file operation failed (the error is on standard error); 3 with
--wait, a script failed; 64 the command line was wrong. Before the run, the
findings of check (below, with the same --style and --producer) go to standard
error.

check     Reads the recording, its timing file and the segment files (and with
          --style the style folder) as publish would, with --producer looks for
          the recording tool rmevents there (missing or not runnable is an error),
          writes nothing, and prints every problem as "FILE:LINE: error: TEXT" or
          "FILE:LINE: warning: TEXT" (errors: publish refuses, fails or publishes
          something plainly wrong; warnings: legal but probably not meant), then
          "N errors, M warnings". With the player in the style folder it also
          warns when no ffmpeg is found (--ffmpeg PATH names one) and when ffmpeg
          cannot read the recording.
          Exit status: 0 no errors; 1 errors; 2 the recording or its timing file
          cannot be read; 64 the command line was wrong.
)";

namespace {

struct Command {
  const char* name;
  const char* description;
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

constexpr Command kCommands[] = {
    {"publish", "publish a recorded lecture as a web site", PublishCommand},
    {"check", "find what will go wrong before publishing", CheckCommand},
};

}  // namespace

void PrintIoError(const char* who, const core::IoError& error, std::ostream& err) {
  err << who << ": ";
  if (!error.path().empty()) err << core::Cp1250ToUtf8(error.path()) << ": ";
  err << core::Cp1250ToUtf8(error.DisplayText()) << "\n";
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "orvello-cli: no command given\n" << kUsage;
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << kUsage;
    return kExitSuccess;
  }
  for (const Command& command : kCommands) {
    if (args[0] == command.name) {
      return command.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
  }
  err << "orvello-cli: unknown command '" << args[0] << "'\n" << kUsage;
  return kExitUsage;
}

}  // namespace orvello::cli
