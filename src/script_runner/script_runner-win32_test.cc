#include "script_runner/script_runner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32_text.h"
#include "script_runner_test.h"
#include "test_util.h"
#include "win32_test_util.h"

namespace orvello::script_runner {

int RunRunner(const std::string& script, std::string* err, std::string* out) {
  std::string ignored;
  return testing::RunCapturing({testing::ProgramFolder() + "orvello-script.exe", script},
                               out != nullptr ? out : &ignored, err);
}

namespace {

namespace fs = std::filesystem;
using platform::FullPath;
using platform::Utf8FromWide;
using platform::Win32ErrorText;
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

// A lecture folder may bring a link along where a copy lands: the copy replaces it by a file of
// its own. (Under Wine 8 only hard links can be made: it has no reparse points.)
TEST_F(ScriptRunnerTest, ACopyReplacesALinkAtItsDestinationNeverWritesThroughIt) {
  WriteFileBytes("victim.txt", "the user's own");
  ASSERT_TRUE(CreateHardLinkW(L"out\\a.gif", L"victim.txt", nullptr));
  EXPECT_TRUE(Run("Copy \"lect/a.gif\" \"out\"\r\n"));
  EXPECT_EQ(ReadFileBytes("victim.txt"), "the user's own");
  EXPECT_EQ(ReadFileBytes("out/a.gif"), "GIF");
}

// Windows reads "ab:proces.bat" as a stream of "ab" (Wine as a plain name): the copy keeps the
// name whole, as the run's refusal rules read it, and so never replaces the run's own script.
TEST_F(ScriptRunnerTest, ACopyKeepsANameWithAColonWhole) {
  WriteFileBytes("lect/ab:proces.bat", "the lecture's");
  WriteFileBytes("out/proces.bat", "the run's");
  EXPECT_TRUE(Run("Copy \"lect\\ab:proces.bat\" \"out\"\r\n"));
  EXPECT_EQ(Log(), "t.bat:1: copied 'lect\\ab:proces.bat' to 'out\\ab:proces.bat'\n");
  EXPECT_EQ(ReadFileBytes("out/proces.bat"), "the run's");
  EXPECT_EQ(ReadFileBytes("out/ab:proces.bat"), "the lecture's");
}

// Windows keeps a process's working directory from being deleted, so the folder can only vanish
// from outside the system: here Linux removes it under Wine, which runs Linux programs too.
TEST_F(ScriptRunnerTest, ACopyIntoTheWorkingFolderFailsOnceTheFolderIsGone) {
  fs::create_directories("gone");
  const std::wstring gone = FullPath(L"gone"), source = FullPath(L"lect\\a.gif");
  ASSERT_TRUE(SetCurrentDirectoryW(gone.c_str()));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  wchar_t line[] = L"rmdir ../gone";
  if (!CreateProcessW(L"Z:\\bin\\rmdir", line, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    SetCurrentDirectoryW(L"..");
    GTEST_SKIP() << "no way to remove the working directory here (only Wine runs rmdir)";
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int i = 0; i < 200 && GetFileAttributesW(gone.c_str()) != INVALID_FILE_ATTRIBUTES; ++i)
    Sleep(50);  // Wine does not wait for a Linux program's end
  ASSERT_EQ(GetFileAttributesW(gone.c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_FALSE(Run("Copy \"" + Utf8FromWide(source) + "\" \"" + Utf8FromWide(gone) + "\"\r\n"));
  SetCurrentDirectoryW(L"..");
  EXPECT_EQ(Log(), "t.bat:1: cannot copy '" + Utf8FromWide(source) + "' to '" + Utf8FromWide(gone) +
                       "\\a.gif': " + Win32ErrorText(ERROR_PATH_NOT_FOUND) + "\n");
  EXPECT_FALSE(fs::exists("gone")) << "a file named like the folder";
}

// A recording tool that is a batch file runs in the command interpreter, which reads '&', '|',
// '<', '>', '(' and ')' as commands and redirections, drops a '^' and expands '%' and '!': no
// path may run evil.bat (beside the recording and in the working directory) or reach the tool
// other than as it stands.
TEST_F(ScriptRunnerTest, ABatchFileGetsEveryPathAsItStands) {
  fs::create_directories("tool");
  WriteFileBytes("tool/rmevents.bat",
                 "@echo %1>args.txt\r\n@echo %2>>args.txt\r\n@echo %3>>args.txt\r\n"
                 "@echo %4>>args.txt\r\n@echo %5>>args.txt\r\n@echo %6>>args.txt\r\n");
  for (const char* evil : {"evil.bat", "lect/evil.bat"})
    WriteFileBytes(evil, "@echo ran>evil.txt\r\n");
  // Wine's interpreter expands a batch file's %1 once more, and so drops every '%' in it.
  Run("\"tool\\rmevents\" \"%\"\r\n");
  const bool percent_arrives = ReadFileBytes("args.txt").starts_with("\"%\"");
  for (const char* special : {"&", "|", "<", ">", "^", "(", ")", "%", "!", " =,;"}) {
    const std::string media = std::string("lect\\x") + special + "evil" + special + ".rm";
    const std::string output = std::string("out") + special + "evil" + special + "\\x.rm";
    fs::remove("args.txt");
    EXPECT_TRUE(
        Run("\"tool\\rmevents\" -i \"" + media + "\" -o \"" + output + "\" -e event.txt\r\n"))
        << special;
    EXPECT_FALSE(fs::exists("evil.txt")) << special;
    if (special == std::string_view("%") && !percent_arrives) continue;
    EXPECT_EQ(ReadFileBytes("args.txt"), "\"-i\"\r\n\"" + media + "\"\r\n\"-o\"\r\n\"" + output +
                                             "\"\r\n\"-e\"\r\n\"event.txt\"\r\n")
        << special;
  }
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

TEST_F(ScriptRunnerTest, MoveReplacesTheDestinationWithSlovakNames) {
  WriteFileBytes("n\xC3\xA1vrh.tmp", "NEW");  // "návrh.tmp"
  WriteFileBytes("z\xC3\xA1znam.mp4", "OLD");
  EXPECT_FALSE(
      Run("Move /Y \"n\xE1vrh.tmp\" \"z\xE1znam.mp4\"\r\n"
          "Move /Y \"n\xE1vrh.tmp\" \"z\xE1znam.mp4\"\r\n"
          "Move /Y \"z\xE1znam.mp4\" \"lect\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: moved 'n\xC3\xA1vrh.tmp' to 'z\xC3\xA1znam.mp4'\n"
            "t.bat:2: cannot move 'n\xC3\xA1vrh.tmp' to 'z\xC3\xA1znam.mp4': " +
                Win32ErrorText(ERROR_FILE_NOT_FOUND) +
                "\n"
                "t.bat:3: cannot move 'z\xC3\xA1znam.mp4' onto the folder 'lect'\n");
  EXPECT_EQ(ReadFileBytes("z\xC3\xA1znam.mp4"), "NEW");
}

// konvertuj.bat's line with the converter's stand-in: the progress comes through the pipe from
// its standard error, a percentage at most once a second, the rest of its chatter dropped; a
// failed conversion leaves the earlier video as it was and its half-written file under the
// temporary name only.
TEST_F(ScriptRunnerTest, ConvertsWithTheStandInAndKeepsTheLastGoodVideo) {
  const std::string converter = ORVELLO_BINARY_DIR "/tests/converter/ffmpeg.exe";
  auto line = [&](const std::string& input) {
    return "\"" + converter + "\" -nostdin -hide_banner -loglevel level+info -y -i \"" + input +
           "\" -c:v libx264 -f mp4 \"zaznam.mp4.tmp\" && Move /Y \"zaznam.mp4.tmp\" "
           "\"zaznam.mp4\"\r\n";
  };
  const std::string recording = ".RMF" + std::string(19996, 'x');  // 20 s of recording
  WriteFileBytes("lect/z\xC3\xA1znam.rm", recording);
  EXPECT_TRUE(Run(line("lect\\z\xE1znam.rm"))) << Log();
  const std::string log = Log();
  std::vector<int> percentages;
  const std::string progress = "t.bat:1: zaznam.mp4: ";
  for (size_t at = log.find(progress); at != std::string::npos; at = log.find(progress, at + 1))
    percentages.push_back(std::stoi(log.substr(at + progress.size())));
  // Three seconds of conversion: a figure at the start and at least one a second later.
  ASSERT_GE(percentages.size(), 2u) << log;
  EXPECT_EQ(percentages.front(), 0);
  EXPECT_TRUE(std::is_sorted(percentages.begin(), percentages.end())) << log;
  EXPECT_EQ(log.find("[info]"), std::string::npos) << log;
  EXPECT_TRUE(log.ends_with("t.bat:1: '" + converter +
                            "' exited with status 0\n"
                            "t.bat:1: moved 'zaznam.mp4.tmp' to 'zaznam.mp4'\n"))
      << log;
  EXPECT_EQ(ReadFileBytes("zaznam.mp4"), "ftyp" + recording);

  log_.str("");
  WriteFileBytes("lect/broken.rm", "not a recording");
  EXPECT_FALSE(Run(line("lect\\broken.rm")));
  EXPECT_EQ(Log(),
            "t.bat:1: [error] lect\\broken.rm: Invalid data found when processing input\n"
            "t.bat:1: '" +
                converter + "' exited with status 1\n");
  EXPECT_EQ(ReadFileBytes("zaznam.mp4"), "ftyp" + recording);
  EXPECT_EQ(ReadFileBytes("zaznam.mp4.tmp"), "ftyp, half a file");
}

}  // namespace
}  // namespace orvello::script_runner
