// rmevents.exe: a STAND-IN for the recording tool's command of the same name, for testing only.
//
// The Windows twin of the stand-in script `rmevents` beside this file, built by the project as
// rmevents.exe: the bundled example and the tests run proces.bat with it in place of the real
// tool; a real installation points the producer field at the real tool's folder instead. The
// stand-in builds nothing into the recording. It checks what a publishing run hands to the real
// tool:
//
//   rmevents -i INPUT -o OUTPUT -e EVENTS
//
// - INPUT must be a readable RealMedia file (it starts with ".RMF"), OUTPUT must lie in an
//   existing folder and must not be INPUT itself, EVENTS must be readable;
// - every line of EVENTS must read "u START END &&posun&&" + web address + "pNN.htm", with START
//   and END as H:MM:SS and NN the line's number in at least two digits; lines are joined by
//   CR LF and the last one has no line end (an empty list is a lecture without segments);
//
// then it copies INPUT to OUTPUT unchanged. On anything wrong it says what on standard error
// and exits with status 1. Names arrive whole from the wide command line; messages are UTF-8.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

void Say(FILE* stream, const std::string& text) {
  std::string line = "rmevents (stand-in): " + text + "\n";
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fflush(stream);
}

[[noreturn]] void Fail(const std::string& why) {
  Say(stderr, why);
  std::exit(1);
}

bool ReadWhole(const fs::path& path, std::string* bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  bytes->assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad() && in.is_open();
}

// Skips "H:MM:SS" at `*at`; false when it is not there.
bool SkipClock(std::string_view line, size_t* at) {
  size_t i = *at;
  size_t hours = i;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i == hours) return false;
  for (int part = 0; part < 2; ++part) {
    if (i + 3 > line.size() || line[i] != ':') return false;
    for (size_t d = i + 1; d < i + 3; ++d) {
      if (line[d] < '0' || line[d] > '9') return false;
    }
    i += 3;
  }
  *at = i;
  return true;
}

// Why event line `number` (from 1) is wrong, or "" when it is right.
std::string EventLineProblem(std::string_view line, int number) {
  if (line.find('\r') != std::string_view::npos) return "a CR inside the line";
  size_t at = 2;
  bool shaped = line.starts_with("u ") && SkipClock(line, &at) && at < line.size() &&
                line[at++] == ' ' && SkipClock(line, &at) &&
                line.substr(at).starts_with(" &&posun&&");
  if (!shaped) return "not \"u H:MM:SS H:MM:SS &&posun&&...\": " + std::string(line);
  char page[32];
  std::snprintf(page, sizeof page, "p%02d.htm", number);
  if (!line.substr(at + 10).ends_with(page))
    return "does not end in " + std::string(page) + ": " + std::string(line);
  return "";
}

// Checks every line of the event list; returns the number of events.
int CheckEvents(const fs::path& path, const std::string& events) {
  if (events.empty()) return 0;
  if (events.back() == '\n') Fail(Utf8(path) + ": the last line ends with a line end");
  int number = 0;
  bool failed = false;
  for (size_t start = 0; start <= events.size();) {
    size_t end = events.find('\n', start);
    std::string_view line(events.data() + start,
                          (end == std::string::npos ? events.size() : end) - start);
    ++number;
    std::string problem;
    if (end != std::string::npos) {
      if (!line.ends_with('\r')) problem = "the line does not end in CR LF";
      line.remove_suffix(1);
    }
    if (problem.empty()) problem = EventLineProblem(line, number);
    if (!problem.empty()) {
      Say(stderr, Utf8(path) + ":" + std::to_string(number) + ": " + problem);
      failed = true;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (failed) std::exit(1);
  return number;
}

}  // namespace

int main() {
  // Messages leave as they are written: UTF-8, lines ending in LF.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<fs::path> args(wide + 1, wide + count);
  LocalFree(wide);
  if (args.size() != 6 || args[0] != L"-i" || args[2] != L"-o" || args[4] != L"-e")
    Fail("usage: rmevents -i INPUT -o OUTPUT -e EVENTS");
  const fs::path &input = args[1], &output = args[3], &events_path = args[5];

  std::string recording, events;
  if (!ReadWhole(input, &recording)) Fail("cannot read the recording '" + Utf8(input) + "'");
  if (!recording.starts_with(".RMF")) Fail("'" + Utf8(input) + "' is not a RealMedia recording");
  std::error_code ec;
  fs::path folder = fs::absolute(output, ec).parent_path();
  if (!fs::is_directory(folder, ec)) Fail("no folder for the output '" + Utf8(output) + "'");
  if (fs::equivalent(input, output, ec))
    Fail("the output '" + Utf8(output) + "' is the recording itself");
  if (!ReadWhole(events_path, &events))
    Fail("cannot read the event list '" + Utf8(events_path) + "'");
  int written = CheckEvents(events_path, events);

  if (!CopyFileW(input.c_str(), output.c_str(), FALSE)) Fail("cannot write '" + Utf8(output) + "'");
  Say(stdout, Utf8(output) + " with " + std::to_string(written) + " events written");
  return 0;
}
