#include "core/script_line_format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/text_writer.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using Command = std::vector<std::string>;

// The commands of each line of `script`, each cut into its arguments, as the runner reads them.
std::vector<std::vector<Command>> Read(std::string_view script) {
  std::vector<std::vector<Command>> lines;
  for (std::string_view line : SplitScriptLines(script)) {
    lines.emplace_back();
    for (std::string_view command : SplitCommands(line)) {
      Command args;
      std::string problem;
      EXPECT_TRUE(SplitArguments(command, &args, &problem)) << problem << " in " << line;
      lines.back().push_back(args);
    }
  }
  return lines;
}

// Every name a run may put between quotes comes back as it was written, in each form of line.
TEST(ScriptLineFormat, ReadsBackEveryNameItWrites) {
  const std::string kNames[] = {
      "C:\\lect\\my slide.jpg",
      "/l/50% off %PATH%.png",
      "a & b && c&&d.jpg",
      "tabu\xBE"
      "ka \x9Atvrt\xFD \xC8\xED\xF4.htm",  // "tabuľka štvrtý ČÍô.htm"
      "<x>|^y (1)!",
      "  two  blanks\tand a tab ",
      "",
  };
  for (const std::string& name : kNames) {
    EXPECT_TRUE(CanQuote(name));
    testing::MemoryDisk disk;
    TextWriter out(disk, "t.bat");
    ScriptLineWriter(out).Copy({"/l/", name}, name).End();
    ScriptLineWriter(out).Delete("skus.txt").End();
    ScriptLineWriter(out).Run({"/RP/", name}).Word("-i").Quote({name}).Then().Move(name, "v").End();
    out.Close();
    const std::vector<std::vector<Command>> expected = {
        {{"Copy", "/l/" + name, name}},
        {{"Del", "skus.txt"}},
        {{"/RP/" + name, "-i", name}, {"Move", "/Y", name, "v"}},
    };
    EXPECT_EQ(Read(disk.Contents("t.bat")), expected) << name;
  }
}

TEST(ScriptLineFormat, WritesOneSpaceBetweenArgumentsAndCrLfAfterEachLine) {
  testing::MemoryDisk disk;
  TextWriter out(disk, "t.bat");
  ScriptLineWriter(out).Copy({"/l/", "a b.jpg"}, "/o").End();
  ScriptLineWriter(out)
      .Run({"p"})
      .Words({"-y", "-i"})
      .Quote({"a", " b"})
      .Then()
      .Move("x.tmp", "x")
      .End();
  out.Close();
  EXPECT_EQ(disk.Contents("t.bat"),
            "Copy \"/l/a b.jpg\" \"/o\"\r\n"
            "\"p\" -y -i \"a b\" && Move /Y \"x.tmp\" \"x\"\r\n");
}

TEST(ScriptLineFormat, TellsAProgramFromACommandWord) {
  EXPECT_TRUE(NamesProgram(" \t\"C:\\RP\\rmevents\" -i x"));
  EXPECT_FALSE(NamesProgram("Copy \"a\" \"b\""));
  EXPECT_FALSE(NamesProgram("  "));
  EXPECT_TRUE(IsCommandWord("cOPY", kCopyCommand));
  EXPECT_TRUE(IsCommandWord("/y", kMoveReplaceSwitch));
  EXPECT_FALSE(IsCommandWord("Copy2", kCopyCommand));
  EXPECT_FALSE(CanQuote("my \"best\" slide.jpg"));
}

TEST(SplitScriptLines, EndsLinesAtLfAndDropsTheirCr) {
  const std::pair<std::string_view, const char*> cases[] = {
      {"a\r\nb\r\n", "[a][b]"}, {"a\r\nb", "[a][b]"},   {"a\nb\r", "[a][b]"}, {"", ""},
      {"\r\n\r\n", "[][]"},     {"a\rb\r\n", "[a\rb]"}, {"\n\nc", "[][][c]"},
  };
  for (const auto& [script, expected] : cases) {
    std::string joined;
    for (std::string_view line : SplitScriptLines(script))
      joined.append("[").append(line).append("]");
    EXPECT_EQ(joined, expected);
  }
}

}  // namespace
}  // namespace orvello::core
