#include "platform/script_runner/script_runner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/script_runner/script_runner_test.h"
#include "platform/win32_text.h"
#include "test_util.h"
#include "win32_test_util.h"

namespace orvello::platform {

int RunRunner(const std::string& script, std::string* err, std::string* out) {
  std::string ignored;
  return testing::RunCapturing({testing::ProgramFolder() + "orvello-script.exe", script},
                               out != nullptr ? out : &ignored, err);
}

namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

// The stand-in recording tool the build makes, named without its extension as proces.bat names it.
const std::string kStandIn = ORVELLO_BINARY_DIR "/examples/Producer/rmevents";

TEST_F(ScriptRunnerTest, CopiesSlovakNamesIntoAFolderOrToAFile) {
  WriteFileBytes("lect/tabu\xC4\xBEka.htm", "HTM");  // "tabuľka.htm" in UTF-8
  WriteFileBytes("lect/my slide.jpg", "JPG");
  EXPECT_TRUE(
      Run("Copy \"lect\\tabu\xBE"
          "ka.htm\" \"out\"\r\n"
          "Copy \"lect/my slide.jpg\" \"out\\\x9Atart.jpg\"\r\n"  // "štart.jpg"
          "Copy \"lect/a.gif\" \"out\\\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: copied 'lect\\tabu\xC4\xBEka.htm' to 'out\\tabu\xC4\xBEka.htm'\n"
            "t.bat:2: copied 'lect/my slide.jpg' to 'out\\\xC5\xA1tart.jpg'\n"
            "t.bat:3: copied 'lect/a.gif' to 'out\\a.gif'\n");
  EXPECT_EQ(ReadFileBytes("out/tabu\xC4\xBEka.htm"), "HTM");
  EXPECT_EQ(ReadFileBytes("out/\xC5\xA1tart.jpg"), "JPG");
  EXPECT_EQ(ReadFileBytes("out/a.gif"), "GIF");
}

TEST_F(ScriptRunnerTest, AFailedCopyIsReportedAndTheScriptGoesOn) {
  WriteFileBytes("out/locked.gif", "OLD");
  HANDLE locked = CreateFileW(L"out\\locked.gif", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);  // open in another program, shared with nobody
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(
      Run("Copy \"lect/none.jpg\" \"out\"\r\n"
          "Copy \"lect\" \"out\"\r\n"
          "Copy \"lect/a.gif\" \"lect\"\r\n"
          "Copy \"lect/a.gif\" \"out/locked.gif\"\r\n"
          "Copy \"lect/a.gif\" \"out/b.gif\"\r\n"));
  CloseHandle(locked);
  EXPECT_EQ(Log(), "t.bat:1: cannot copy 'lect/none.jpg': " + Win32ErrorText(ERROR_FILE_NOT_FOUND) +
                       "\n"
                       "t.bat:2: cannot copy 'lect': not a file\n"
                       "t.bat:3: cannot copy 'lect/a.gif' onto itself\n"
                       "t.bat:4: cannot copy 'lect/a.gif' to 'out/locked.gif': " +
                       Win32ErrorText(ERROR_SHARING_VIOLATION) +
                       "\n"
                       "t.bat:5: copied 'lect/a.gif' to 'out/b.gif'\n");
  EXPECT_EQ(ReadFileBytes("out/locked.gif"), "OLD");
  EXPECT_EQ(ReadFileBytes("out/b.gif"), "GIF");
}

TEST_F(ScriptRunnerTest, DelMatchesTheNameInAnyCase) {
  WriteFileBytes("Skus.txt", "");
  WriteFileBytes(
      "\xC5\xA0t\xC3\xBA"
      "dium.txt",
      "");  // "Štúdium.txt"
  EXPECT_FALSE(
      Run("Del skus.txt\r\n"
          "Del \x9At\xFA"
          "DIUM.TXT\r\n"
          "Del none.txt\r\n"
          "Del LECT\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: deleted 'Skus.txt'\n"
            "t.bat:2: deleted '\xC5\xA0t\xC3\xBA"
            "dium.txt'\n"
            "t.bat:3: cannot delete 'none.txt': no such file\n"
            "t.bat:4: cannot delete 'lect': a folder\n");
  EXPECT_FALSE(fs::exists("Skus.txt"));
  EXPECT_FALSE(
      fs::exists(testing::HostPath("\xC5\xA0t\xC3\xBA"
                                   "dium.txt")));
  EXPECT_TRUE(fs::exists("lect/a.gif"));
}

TEST_F(ScriptRunnerTest, FindsProgramsAsTheInterpreterDoes) {
  WriteFileBytes("lect/z\xC3\xA1znam.rm", ".RMF recording");  // "záznam.rm"
  WriteFileBytes("event.txt", "u 0:00:00 0:00:02 &&posun&&p01.htm");
  WriteFileBytes("status.bat", "@exit /b 3\r\n");
  WriteFileBytes("args.cmd", "@echo [%~1][%~2]>args.txt\r\n");
  EXPECT_FALSE(Run("\"" + kStandIn +
                   "\" -i \"lect\\z\xE1znam.rm\" -o \"out\\z\xE1znam.rm\" -e event.txt\r\n"
                   "\"status\"\r\n"
                   "\"args\" \"a b\" c\r\n"
                   "\"cmd\" /c exit 5\r\n"
                   "\"none\" -i x\r\n"
                   "\"lect/a.gif\"\r\n"));
  EXPECT_EQ(Log(), "t.bat:1: '" + kStandIn + "' exited with status 0\n" +
                       "t.bat:2: 'status' exited with status 3\n"
                       "t.bat:3: 'args' exited with status 0\n"
                       "t.bat:4: 'cmd' exited with status 5\n"
                       "t.bat:5: cannot run 'none': " +
                       Win32ErrorText(ERROR_FILE_NOT_FOUND) +
                       "\n"
                       "t.bat:6: cannot run 'lect/a.gif': not a program\n");
  EXPECT_EQ(ReadFileBytes("out/z\xC3\xA1znam.rm"), ".RMF recording");
  EXPECT_EQ(ReadFileBytes("args.txt"), "[a b][c]\r\n");
}

// The command line's standard output carries the run's message line alone, also while it waits
// for the scripts: what a script's program prints goes to standard error with the reports.
TEST_F(ScriptRunnerTest, AProgramsOutputGoesToStandardErrorInUtf8) {
  WriteFileBytes("lect/z\xC3\xA1znam.rm", ".RMF recording");
  WriteFileBytes("event.txt", "");
  WriteFileBytes(
      "pr\xC3\xADkaz.bat",  // "príkaz.bat"
      "\"" + kStandIn + "\" -i \"lect\\z\xE1znam.rm\" -o \"out\\z\xE1znam.rm\" -e event.txt\r\n");
  std::string err, out;
  EXPECT_EQ(RunRunner("pr\xC3\xADkaz.bat", &err, &out), 0) << err;
  EXPECT_EQ(out, "");
  EXPECT_EQ(err,
            "rmevents (stand-in): out\\z\xC3\xA1znam.rm with 0 events written\n"
            "pr\xC3\xADkaz.bat:1: '" +
                kStandIn + "' exited with status 0\n");
}

TEST_F(ScriptRunnerTest, TheRunnerFailsOnAFailedLine) {
  WriteFileBytes("proces.bat", "\"" + kStandIn + "\" -i none.rm -o out\\none.rm -e event.txt\r\n");
  std::string err;
  EXPECT_EQ(RunRunner("proces.bat", &err), 1);
  EXPECT_EQ(err,
            "rmevents (stand-in): cannot read the recording 'none.rm'\n"
            "proces.bat:1: '" +
                kStandIn + "' exited with status 1\n");
}

}  // namespace
}  // namespace orvello::platform
