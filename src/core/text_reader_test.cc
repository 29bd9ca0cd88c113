#include "core/text_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/io_error.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

std::string Show(const std::string& bytes) {
  std::string shown;
  for (char c : bytes) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == kCtrlZ) {
      shown += "^Z";
    } else if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) >= 127) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
      shown += hex;
    } else {
      shown += c;
    }
  }
  return shown;
}

/// Runs `ops` on `reader` and returns what each one gave. Ops, separated by spaces: e Eof,
/// n Eoln, b SkipBlanks, k SkipLine, c ReadChar, sN ReadString(N), l ReadLine, x Close,
/// r ReadRun("#%") repeated while it gives bytes, L line().
std::string RunOps(TextReader& reader, const std::string& ops) {
  std::istringstream in(ops);
  std::string op;
  std::string transcript;
  while (in >> op) {
    if (!transcript.empty()) transcript += ' ';
    switch (op[0]) {
      case 'e':
        transcript += "e:" + std::to_string(reader.Eof());
        break;
      case 'n':
        transcript += "n:" + std::to_string(reader.Eoln());
        break;
      case 'b':
        transcript += "b:" + std::to_string(reader.SkipBlanks());
        break;
      case 'k':
        reader.SkipLine();
        transcript += "k";
        break;
      case 'c':
        transcript += "c:" + Show(std::string(1, reader.ReadChar()));
        break;
      case 's':
        transcript += "s:[" + Show(reader.ReadString(std::stoul(op.substr(1)))) + "]";
        break;
      case 'l':
        transcript += "l:[" + Show(reader.ReadLine()) + "]";
        break;
      case 'r': {
        std::string run;
        for (std::string_view part; !(part = reader.ReadRun("#%")).empty();) run += part;
        transcript += "r:[" + Show(run) + "]";
        break;
      }
      case 'L':
        transcript += "L:" + std::to_string(reader.line());
        break;
      case 'x':
        reader.Close();
        transcript += "x";
        break;
      default:
        ADD_FAILURE() << "unknown op " << op;
    }
  }
  return transcript;
}

struct Case {
  const char* name;
  std::string file;
  const char* ops;
  const char* expected;
};

// clang-format off
const Case kCases[] = {
  {"EmptyFileIsAtTheEnd", "",
   "e n b c c s5 l k e",
   "e:1 n:1 b:1 c:^Z c:^Z s:[] l:[] k e:1"},
  {"CtrlZEndsTheFileForTestsAndChars", std::string("ab\x1A" "cd\x1A", 6),
   "e c c e n b k c c l e c l e c",
   "e:0 c:a c:b e:1 n:1 b:1 k c:^Z c:^Z l:[] e:0 c:c l:[d] e:1 c:^Z"},
  {"StringReadConsumesCtrlZAndCarriesOn", "abc\x1A" "de\r\n",
   "s5 s5 n",
   "s:[abc] s:[de] n:1"},
  {"FullStringBeforeCtrlZLeavesIt", "ab\x1A" "c",
   "s2 e c s2 c",
   "s:[ab] e:1 c:^Z s:[] c:c"},
  {"LineEndsAreCrLfAndBareLfIsOrdinary", "ab\r\ncd\nef\rgh\r\n",
   "l n k l n k l n k e",
   "l:[ab] n:1 k l:[cd] n:0 k l:[efgh] n:1 k e:1"},
  {"LoneCrIsDroppedAndNotCounted", "a\rbcd\r",
   "s3 c s5 e",
   "s:[abc] c:d s:[] e:1"},
  {"CountedStringStopsBeforeLoneCr", "ab\rc",
   "s2 n s2 e",
   "s:[ab] n:1 s:[c] e:1"},
  {"StringStopsBeforeCrLfAndLf", "abc\r\nd\nef",
   "s3 n s3 n k s3 n s3 c s3",
   "s:[abc] n:1 s:[] n:1 k s:[d] n:0 s:[] c:\\n s:[ef]"},
  {"CrBeforeCtrlZIsDropped", "ab\r\x1A" "c",
   "l l",
   "l:[ab] l:[c]"},
  {"ReadCharGivesEveryByte", std::string("\r\n\x80\xFF\x00z", 6),
   "c c c c c c e c",
   "c:\\r c:\\n c:\\x80 c:\\xFF c:\\x00 c:z e:1 c:^Z"},
  {"SkipBlanksSkipsControlBytesOnly", " \t\r\n\x01\x1F\x7F" "x \x80\xA0y",
   "b c b c b c b c",
   "b:0 c:\\x7F b:0 c:x b:0 c:\\x80 b:0 c:\\xA0"},
  {"SkipBlanksStopsAtCtrlZ", "  \r\n\x1A  x",
   "b e c l b c",
   "b:1 e:1 c:^Z l:[] b:0 c:x"},
  {"SkipLineConsumesUpToLf", "a\rb\nc\r\nd",
   "k c k c k e",
   "k c:c k c:d k e:1"},
  {"SkipLineStopsBeforeCtrlZ", "ab\x1A" "cd\nx",
   "k e l k c",
   "k e:1 l:[] k c:x"},
  {"ZeroLengthStringConsumesNothing", "ab",
   "s0 c",
   "s:[] c:a"},
  {"RunsStopBeforeCrCtrlZAndStopBytes", "ab\ncd#e%\rf\x1A" "g",
   "r c r c r n k r e c",
   "r:[ab\\ncd] c:# r:[e] c:% r:[] n:1 k r:[] e:1 c:^Z"},
  {"RunEndsAtTheEnd", "xy",
   "r r e",
   "r:[xy] r:[] e:1"},
  {"LinesCountTheLfBytesEveryReadConsumes", "a\r\nb\nc\rd\r\n\r\n  e\nf",
   "L k L r L c c c c L b L l L",
   "L:1 k L:2 r:[b\\nc] L:3 c:\\r c:d c:\\r c:\\n L:4 b:0 L:5 l:[e] L:5"},
  {"ClosedReaderReadsAsAtTheEnd", "ab\r\ncd",
   "c x e n c l s3",
   "c:a x e:1 n:1 c:^Z l:[] s:[]"},
};
// clang-format on

TEST(TextReader, FollowsTheTextFileRulesWhateverTheReadSize) {
  for (const Case& c : kCases) {
    for (size_t chunk : {0, 1, 2, 3}) {
      MemoryDisk disk;
      disk.AddFile("f.txt", c.file);
      disk.set_read_chunk(chunk);
      TextReader reader(disk, "f.txt");
      EXPECT_EQ(c.expected, RunOps(reader, c.ops)) << c.name << ", " << chunk << " byte reads";
    }
  }
}

TEST(TextReader, FileErrorsReachTheCaller) {
  MemoryDisk disk;
  disk.AddFile("f.txt", "first\r\nsecond\r\n");
  disk.FailReadAfter("f.txt", 3, 5);
  const struct {
    const char* path;
    int code;
  } kCases[] = {{"missing.txt", 2}, {"f.txt", 5}};
  for (const auto& c : kCases) {
    int code = 0;
    try {
      TextReader reader(disk, c.path);
      reader.ReadLine();
    } catch (const IoError& error) {
      code = error.code();
    }
    EXPECT_EQ(c.code, code) << c.path;
  }
}

/// Lines of every length from 0 to 300, some with a lone CR, many megabytes in all.
std::vector<std::string> VariedLines() {
  std::vector<std::string> lines;
  size_t total = 0;
  for (int i = 0; total < (3u << 20); ++i) {
    std::string line(static_cast<size_t>(i * 37 % 301), static_cast<char>('a' + i % 26));
    if (i % 5 == 0 && !line.empty()) line[line.size() / 2] = '\r';
    total += line.size() + 2;
    lines.push_back(line);
  }
  return lines;
}

TEST(TextReader, LinesAcrossBlockEdgesReadAsInASmallFile) {
  std::vector<std::string> lines = VariedLines();
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  MemoryDisk disk;
  disk.AddFile("big.txt", file);
  TextReader reader(disk, "big.txt");
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string expected = lines[i];
    std::erase(expected, '\r');
    ASSERT_FALSE(reader.Eof()) << "line " << i;
    ASSERT_EQ(expected, reader.ReadLine()) << "line " << i;
    ASSERT_TRUE(reader.Eoln()) << "line " << i;
    reader.SkipLine();
  }
  EXPECT_TRUE(reader.Eof());
}

TEST(TextReader, ReadsATenMegabyteLine) {
  std::string line(10u << 20, 'x');
  line[12345] = '\x80';
  MemoryDisk disk;
  disk.AddFile("long.txt", line + "\r\nend");
  TextReader reader(disk, "long.txt");
  EXPECT_EQ(line, reader.ReadLine());
  EXPECT_TRUE(reader.Eoln());
  reader.SkipLine();
  EXPECT_EQ("end", reader.ReadString(10));
  EXPECT_TRUE(reader.Eof());
}

}  // namespace
}  // namespace orvello::core
