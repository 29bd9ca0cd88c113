#include "script_runner/script_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace orvello::script_runner {
namespace {

// "copy|SRC|DST", "del|NAME", "run|PROGRAM|ARG...", "blank" or "unknown: PROBLEM".
std::string Describe(const ScriptLine& line) {
  static const char* const kKinds[] = {"blank", "copy", "del", "move", "run", "unknown"};
  std::string text = kKinds[static_cast<int>(line.kind)];
  if (line.kind == ScriptLine::Kind::kUnknown) return text + ": " + line.problem;
  for (const std::string& arg : line.args) text += "|" + arg;
  for (const ScriptLine& next : line.then) text += " && " + Describe(next);
  return text;
}

TEST(ParseScriptLine, UnderstandsTheLinesARunWrites) {
  const std::pair<std::string_view, const char*> cases[] = {
      {"Copy \"C:\\lect\\slide01.jpg\" \"C:\\out\"", "copy|C:\\lect\\slide01.jpg|C:\\out"},
      {"Copy \"/l/my slide.jpg\" \"/out/\"", "copy|/l/my slide.jpg|/out/"},
      {"Copy \"/l/tabu\xBE"
       "ka.htm\" \"/o\"",
       "copy|/l/tabu\xBE"
       "ka.htm|/o"},
      {"COPY \"a\"\t\"b\"", "copy|a|b"},
      {"  copy a\"b c\"d e", "copy|ab cd|e"},
      {"Del skus.txt", "del|skus.txt"},
      {"dEL \"my file.txt\"", "del|my file.txt"},
      {"\"/RP/rmevents\" -i \"/l/a b.rm\" -o \"/o/a b.rm\" -e event.txt",
       "run|/RP/rmevents|-i|/l/a b.rm|-o|/o/a b.rm|-e|event.txt"},
      {"\"C:\\RP\\rmevents\"", "run|C:\\RP\\rmevents"},
      {"\"prog\" \"a & b\" \"<x>\" \"\"", "run|prog|a & b|<x>|"},
      {"", "blank"},
      {" \t ", "blank"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(Describe(ParseScriptLine(line)), expected);
}

TEST(ParseScriptLine, RefusesEverythingElse) {
  const std::pair<std::string_view, const char*> cases[] = {
      {"echo hi", "unknown: unknown command 'echo'"},
      {"@echo off", "unknown: unknown command '@echo'"},
      {"Deltree x", "unknown: unknown command 'Deltree'"},
      {"Copy \"a\"", "unknown: Copy takes two names"},
      {"Copy \"a\" \"b\" \"c\"", "unknown: Copy takes two names"},
      {"Copy \"\" \"b\"", "unknown: Copy takes two names"},
      {"Del a.txt b.txt", "unknown: Del takes one name"},
      {"Del", "unknown: Del takes one name"},
      {"Del *.txt", "unknown: Del takes a plain file name"},
      {"Del ..\\x", "unknown: Del takes a plain file name"},
      {"Del /etc/passwd", "unknown: Del takes a plain file name"},
      {"Del ..", "unknown: Del takes a plain file name"},
      {"Copy \"a\" \"b\" & calc", "unknown: '&' outside quotes"},
      {"\"prog\" a | b", "unknown: '|' outside quotes"},
      {"\"prog\" >out", "unknown: '>' outside quotes"},
      {"\"prog\" <in", "unknown: '<' outside quotes"},
      {"Del a^b", "unknown: '^' outside quotes"},
      {"Copy \"a\" \"b", "unknown: a quote is left open"},
      {"\"\" x", "unknown: an empty program name"},
      {std::string_view("Copy \"a\0\" \"b\"", 13), "unknown: a NUL byte"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(Describe(ParseScriptLine(line)), expected);
}

TEST(ParseScriptLine, JoinsTwoCommandsWithAndAndMovesPlainFiles) {
  const std::pair<std::string_view, const char*> cases[] = {
      {"\"C:\\ff\\ffmpeg.exe\" -i \"a && b.rm\" \"zaznam.mp4.tmp\" && Move /Y "
       "\"zaznam.mp4.tmp\" \"zaznam.mp4\"",
       "run|C:\\ff\\ffmpeg.exe|-i|a && b.rm|zaznam.mp4.tmp && move|zaznam.mp4.tmp|zaznam.mp4"},
      {"move /y a b&&Del a&&\"p\"", "move|a|b && del|a && run|p"},
      {"Move /Y \"my file.tmp\" \"my file\"", "move|my file.tmp|my file"},
      {"\"p\" && ", "unknown: a command is missing beside &&"},
      {"&& \"p\"", "unknown: a command is missing beside &&"},
      {"\"p\" && echo x", "unknown: unknown command 'echo'"},
      {"\"p\" &&& Del a", "unknown: '&' outside quotes"},
      {"\"p\" & & Del a", "unknown: '&' outside quotes"},
      {"Move a b", "unknown: Move takes /Y and two names"},
      {"Move /Y a", "unknown: Move takes /Y and two names"},
      {"Move /-Y a b", "unknown: Move takes /Y and two names"},
      {"Move /Y a ..\\b", "unknown: Move takes plain file names"},
      {"Move /Y *.tmp b", "unknown: Move takes plain file names"},
      {"Move /Y a /etc", "unknown: Move takes plain file names"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(Describe(ParseScriptLine(line)), expected);
}

}  // namespace
}  // namespace orvello::script_runner
