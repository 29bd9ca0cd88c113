#include "script_runner/script_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <streambuf>
#include <string>
#include <vector>

#include "core/batch_scripts.h"
#include "lecture_state.h"
#include "platform/real_disk.h"
#include "script_runner_test.h"
#include "test_util.h"

namespace orvello::script_runner {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

TEST_F(ScriptRunnerTest, SkipsLinesItDoesNotUnderstandWithoutRunningThem) {
  EXPECT_FALSE(
      Run("\r\n"
          "touch made\r\n"
          "Copy \"lect/a.gif\" \"out\" & touch made\r\n"
          "Copy \"lect/a.gif\" \"out/\xE8"
          "\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:2: skipped (unknown command 'touch'): touch made\n"
            "t.bat:3: skipped ('&' outside quotes): Copy \"lect/a.gif\" \"out\" & touch made\n"
            "t.bat:4: copied 'lect/a.gif' to 'out/\xC4\x8D'\n");
  EXPECT_FALSE(fs::exists("made"));
  EXPECT_TRUE(RunScript("ok.bat", "\r\n  \r\nCopy \"lect/a.gif\" \"out\"", log_));
}

// A run writes the copy line of a name with '%', '*' or '?', of an empty name and of one ending in
// a separator as of any other name: the runner copies the file named and nothing else, never a
// variable's value, a pattern's matches or a folder, and reports what it cannot copy.
TEST_F(ScriptRunnerTest, CopiesNothingButTheFileNamed) {
  const char sep = platform::kPathSeparator;
  const bool patterns_in_names = sep == '/';  // Windows' file names hold no '*' or '?'
  for (const char* decoy : {"lect/50.png", "lect/ab.png", "lect/x.png", "lect/slides/s.png"}) {
    fs::create_directories(fs::path(decoy).parent_path());
    WriteFileBytes(decoy, "decoy");
  }
  WriteFileBytes("lect/50%.png", "50%");
  if (patterns_in_names) WriteFileBytes("lect/a?.png", "a?");
  std::vector<core::Segment> segments;
  for (const char* name : {"50%.png", "a?.png", "*.png", "", "slides/"})
    segments.push_back({"00:00:00", "00:00:01", 'P', name});
  testing::MemoryDisk disk(sep);
  const std::string lect = std::string("lect") + sep, out = std::string("out") + sep;
  core::WriteCopyScript(disk,
                        testing::RunStateFor({lect + "a.rm", "", "", "S", "out"}, sep, segments));
  EXPECT_FALSE(Run(disk.Contents(out + "kopiruj.bat")));

  std::set<std::string> copied, expected = {"50%.png"};
  for (const auto& entry : fs::directory_iterator("out"))
    copied.insert(entry.path().filename().string());
  if (patterns_in_names) expected.insert("a?.png");
  EXPECT_EQ(copied, expected) << Log();
  EXPECT_EQ(ReadFileBytes("out/50%.png"), "50%");
  for (const std::string& report :
       {"t.bat:1: copied '" + lect + "50%.png' to '" + out + "50%.png'\n",
        "t.bat:4: cannot copy '" + lect + "': not a file\n",
        "t.bat:5: cannot copy '" + lect + "slides/': not a file\n"})
    EXPECT_NE(Log().find(report), std::string::npos) << report << Log();
}

// Records each piece written to it separately, as an unbuffered standard error passes each one
// to the system.
class PieceRecorder : public std::streambuf {
 public:
  std::vector<std::string> pieces;

 protected:
  std::streamsize xsputn(const char* text, std::streamsize size) override {
    pieces.emplace_back(text, static_cast<size_t>(size));
    return size;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof()))
      pieces.emplace_back(1, traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
};

// Both scripts run at once and share one standard error; a report written in pieces could be
// cut apart by the other script's, so each goes out whole.
TEST_F(ScriptRunnerTest, EachReportReachesTheLogInOnePiece) {
  PieceRecorder recorder;
  std::ostream log(&recorder);
  RunScript("t.bat", "Copy \"lect/a.gif\" \"out/a.gif\"\r\nDel none.txt\r\n", log);
  EXPECT_EQ(recorder.pieces, (std::vector<std::string>{
                                 "t.bat:1: copied 'lect/a.gif' to 'out/a.gif'\n",
                                 "t.bat:2: cannot delete 'none.txt': no such file\n",
                             }));
}

TEST_F(ScriptRunnerTest, AScriptMayDeleteItselfAndRunsOnToItsEnd) {
  WriteFileBytes(
      "kopiruj.bat",
      "Copy \"lect/a.gif\" \"out/a.gif\"\r\nDel kopiruj.bat\r\nCopy \"lect/a.gif\" \"b.gif\"\r\n");
  std::string err;
  EXPECT_EQ(RunRunner("kopiruj.bat", &err), 0) << err;
  EXPECT_EQ(err,
            "kopiruj.bat:1: copied 'lect/a.gif' to 'out/a.gif'\n"
            "kopiruj.bat:2: deleted 'kopiruj.bat'\n"
            "kopiruj.bat:3: copied 'lect/a.gif' to 'b.gif'\n");
  EXPECT_FALSE(fs::exists("kopiruj.bat"));
  EXPECT_TRUE(fs::exists("b.gif"));
}

TEST_F(ScriptRunnerTest, TheRunnerRefusesAMissingScriptOrAFolder) {
  std::string err;
  EXPECT_EQ(RunRunner("missing.bat", &err), 2);
  EXPECT_EQ(err, "missing.bat: cannot read the script: File not found.\n");
  EXPECT_EQ(RunRunner("lect", &err), 2);
  EXPECT_EQ(err, "lect: cannot read the script: File access denied.\n");
}

}  // namespace
}  // namespace orvello::script_runner
