#include "script_runner/script_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "script_runner_test.h"
#include "test_util.h"

extern char** environ;

namespace orvello::script_runner {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

int RunRunner(const std::string& script, std::string* err, std::string* out) {
  std::string runner = ORVELLO_BINARY_DIR "/bin/orvello-script";
  std::vector<char*> argv = {runner.data(), const_cast<char*>(script.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "runner.out",
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "runner.err",
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid;
  int error = posix_spawn(&pid, runner.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    ADD_FAILURE() << "cannot start " << runner << ": " << error;
    return -1;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  *err = ReadFileBytes("runner.err");
  if (out) *out = ReadFileBytes("runner.out");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

TEST_F(ScriptRunnerTest, CopiesIntoAFolderOrToAFileReplacingWhatIsThere) {
  WriteFileBytes("lect/my slide.jpg", "JPG");
  WriteFileBytes("lect/tabu\xC4\xBEka.htm", "HTM");  // "tabuľka.htm" in UTF-8
  WriteFileBytes("out/old.gif", "OLD");
  EXPECT_TRUE(
      Run("Copy \"lect/my slide.jpg\" \"out\"\r\n"
          "Copy \"lect/tabu\xBE"
          "ka.htm\" \"out/renamed.htm\"\r\n"
          "Copy \"lect/a.gif\" \"out/\"\r\n"
          "Copy \"lect/a.gif\" \"out/old.gif\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: copied 'lect/my slide.jpg' to 'out/my slide.jpg'\n"
            "t.bat:2: copied 'lect/tabu\xC4\xBEka.htm' to 'out/renamed.htm'\n"
            "t.bat:3: copied 'lect/a.gif' to 'out/a.gif'\n"
            "t.bat:4: copied 'lect/a.gif' to 'out/old.gif'\n");
  EXPECT_EQ(ReadFileBytes("out/my slide.jpg"), "JPG");
  EXPECT_EQ(ReadFileBytes("out/renamed.htm"), "HTM");
  EXPECT_EQ(ReadFileBytes("out/a.gif"), "GIF");
  EXPECT_EQ(ReadFileBytes("out/old.gif"), "GIF");
}

TEST_F(ScriptRunnerTest, AFailedCopyIsReportedAndTheScriptGoesOn) {
  EXPECT_FALSE(
      Run("Copy \"lect/none.jpg\" \"out\"\r\n"
          "Copy \"lect\" \"out\"\r\n"
          "Copy \"lect/a.gif\" \"lect\"\r\n"
          "Copy \"lect/a.gif\" \"out\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: cannot copy 'lect/none.jpg': No such file or directory\n"
            "t.bat:2: cannot copy 'lect': not a file\n"
            "t.bat:3: cannot copy 'lect/a.gif' onto itself\n"
            "t.bat:4: copied 'lect/a.gif' to 'out/a.gif'\n");
  EXPECT_EQ(ReadFileBytes("lect/a.gif"), "GIF");
  EXPECT_EQ(ReadFileBytes("out/a.gif"), "GIF");
}

// A link in the output folder, where the lecture folder's maker may have put it, is replaced by
// the copy: it once wrote the slide into the file the link points to. A pipe there fails at once.
TEST_F(ScriptRunnerTest, ACopyReplacesALinkInsteadOfWritingThroughIt) {
  WriteFileBytes("victim.txt", "precious");
  ASSERT_EQ(0, ::symlink("../victim.txt", "out/a.gif"));
  ASSERT_EQ(0, ::symlink("../created.txt", "out/b.gif"));
  ASSERT_EQ(0, ::mkfifo("out/c.gif", 0600));
  EXPECT_FALSE(
      Run("Copy \"lect/a.gif\" \"out\"\r\n"
          "Copy \"lect/a.gif\" \"out/b.gif\"\r\n"
          "Copy \"lect/a.gif\" \"out/c.gif\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: copied 'lect/a.gif' to 'out/a.gif'\n"
            "t.bat:2: copied 'lect/a.gif' to 'out/b.gif'\n"
            "t.bat:3: cannot copy 'lect/a.gif' to 'out/c.gif': not a regular file\n");
  EXPECT_EQ(ReadFileBytes("victim.txt"), "precious");
  EXPECT_FALSE(fs::exists("created.txt"));
  for (const char* name : {"out/a.gif", "out/b.gif"}) {
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(name))) << name;
    EXPECT_EQ(ReadFileBytes(name), "GIF") << name;
  }
}

// The output folder, the script's working folder, removed while the copy runs: a copy into it
// once made a file of its name in its parent.
TEST_F(ScriptRunnerTest, ACopyIntoTheRemovedWorkingFolderFails) {
  const std::string here = fs::current_path().string();
  fs::current_path("out");
  ASSERT_TRUE(fs::remove(here + "/out"));
  EXPECT_FALSE(Run("Copy \"" + here + "/lect/a.gif\" \"" + here + "/out\"\r\n"));
  EXPECT_EQ(Log(), "t.bat:1: cannot copy '" + here + "/lect/a.gif' to '" + here +
                       "/out': the working folder is gone\n");
  EXPECT_FALSE(fs::exists(here + "/out"));
}

// Where case matters, a Del that matches several files in case deletes none of them, an exact
// match among them or not: the user's own skus.txt beside the probe Skus.txt stays.
TEST_F(ScriptRunnerTest, DelMatchesTheNameInAnyCaseButOnlyOneFile) {
  WriteFileBytes("Skus.txt", "");
  WriteFileBytes(
      "\xC5\xA0t\xC3\xBA"
      "dium.txt",
      "");  // "Štúdium.txt"
  WriteFileBytes("a.txt", "");
  WriteFileBytes("A.TXT", "");
  WriteFileBytes("b.txt", "");
  WriteFileBytes("B.txt", "");
  EXPECT_FALSE(
      Run("Del skus.txt\r\n"
          "Del \x9At\xFA"
          "DIUM.TXT\r\n"
          "Del a.txt\r\n"
          "Del B.TXT\r\n"
          "Del none.txt\r\n"
          "Del LECT\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: deleted 'Skus.txt'\n"
            "t.bat:2: deleted '\xC5\xA0t\xC3\xBA"
            "dium.txt'\n"
            "t.bat:3: cannot delete 'a.txt': several files match it in case\n"
            "t.bat:4: cannot delete 'B.TXT': several files match it in case\n"
            "t.bat:5: cannot delete 'none.txt': no such file\n"
            "t.bat:6: cannot delete 'lect': a folder\n");
  EXPECT_FALSE(fs::exists("Skus.txt"));
  EXPECT_TRUE(fs::exists("a.txt") && fs::exists("A.TXT"));
  EXPECT_TRUE(fs::exists("b.txt") && fs::exists("B.txt") && fs::exists("lect/a.gif"));

  WriteFileBytes("Skus.txt", "");
  WriteFileBytes("skus.txt", "the user's own");
  EXPECT_FALSE(RunScript("kopiruj.bat", "Del skus.txt\r\n", log_));
  EXPECT_EQ(ReadFileBytes("skus.txt"), "the user's own");
  EXPECT_TRUE(fs::exists("Skus.txt"));
}

TEST_F(ScriptRunnerTest, RunsAProgramWithItsArgumentsAndReportsItsExitStatus) {
  WriteFileBytes("tool", "#!/bin/sh\nprintf '[%s]' \"$@\" >>args.txt\nexit \"$1\"\n");
  fs::permissions("tool", fs::perms::owner_all);
  EXPECT_FALSE(
      Run("\"./tool\" 0 -i \"a b.rm\" -e event.txt \"tabu\xBE"
          "ka\"\r\n"
          "\"./tool\" 3\r\n"
          "\"./none\" 0\r\n"
          "\"lect/a.gif\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: './tool' exited with status 0\n"
            "t.bat:2: './tool' exited with status 3\n"
            "t.bat:3: cannot run './none': No such file or directory\n"
            "t.bat:4: cannot run 'lect/a.gif': Permission denied\n");
  EXPECT_EQ(ReadFileBytes("args.txt"), "[0][-i][a b.rm][-e][event.txt][tabu\xC4\xBEka][3]");
}

// The command line's standard output carries the run's message line alone, also while it waits
// for the scripts: what a script's program prints goes to standard error with the reports.
TEST_F(ScriptRunnerTest, AProgramsOutputGoesToStandardError) {
  WriteFileBytes("tool", "#!/bin/sh\necho 'tool: done'\n");
  fs::permissions("tool", fs::perms::owner_all);
  WriteFileBytes("proces.bat", "\"./tool\" -e event.txt\r\n");
  std::string err, out;
  EXPECT_EQ(RunRunner("proces.bat", &err, &out), 0) << err;
  EXPECT_EQ(out, "");
  EXPECT_EQ(err,
            "tool: done\n"
            "proces.bat:1: './tool' exited with status 0\n");
}

TEST_F(ScriptRunnerTest, TheRunnerFailsOnAFailedLine) {
  WriteFileBytes("proces.bat", "\"./none\" -e event.txt\r\n");
  std::string err;
  EXPECT_EQ(RunRunner("proces.bat", &err), 1);
  EXPECT_EQ(err, "proces.bat:1: cannot run './none': No such file or directory\n");
}

// A folder once made the runner abort with an uncaught exception, a pipe made it wait forever.
TEST_F(ScriptRunnerTest, TheRunnerRefusesWhatIsNotAFileWithoutWaiting) {
  ASSERT_EQ(0, ::mkfifo("pipe.bat", 0600));
  ASSERT_EQ(0, ::symlink("/dev/zero", "zero.bat"));
  for (const char* name : {"pipe.bat", "zero.bat", "/dev/tty"}) {
    std::string err;
    EXPECT_EQ(RunRunner(name, &err), 2) << name;
    EXPECT_EQ(err, std::string(name) + ": cannot read the script: File access denied.\n");
  }
}

// `orvello-cli publish ... 2>&1 | head -1` closes the runner's report stream after one line: the
// script still runs to its end.
TEST_F(ScriptRunnerTest, AClosedReportStreamDoesNotStopTheScript) {
  WriteFileBytes("kopiruj.bat",
                 "Copy \"lect/a.gif\" \"out/1.gif\"\r\nCopy \"lect/a.gif\" \"out/2.gif\"\r\n"
                 "Del kopiruj.bat\r\n");
  int pipe_ends[2];
  ASSERT_EQ(0, ::pipe(pipe_ends));
  ::close(pipe_ends[0]);
  std::string runner = ORVELLO_BINARY_DIR "/bin/orvello-script";
  std::vector<char*> argv = {runner.data(), const_cast<char*>("kopiruj.bat"), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDERR_FILENO);
  pid_t pid;
  int error = posix_spawn(&pid, runner.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipe_ends[1]);
  ASSERT_EQ(error, 0);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_EQ(ReadFileBytes("out/2.gif"), "GIF");
  EXPECT_FALSE(fs::exists("kopiruj.bat"));
}

TEST_F(ScriptRunnerTest, MoveRenamesReplacingTheDestinationInOneStep) {
  WriteFileBytes("new.tmp", "NEW");
  WriteFileBytes("zaznam.mp4", "OLD");
  EXPECT_FALSE(
      Run("Move /Y \"new.tmp\" \"zaznam.mp4\"\r\n"
          "Move /Y \"new.tmp\" \"zaznam.mp4\"\r\n"
          "Move /Y \"zaznam.mp4\" \"lect\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: moved 'new.tmp' to 'zaznam.mp4'\n"
            "t.bat:2: cannot move 'new.tmp' to 'zaznam.mp4': No such file or directory\n"
            "t.bat:3: cannot move 'zaznam.mp4' onto the folder 'lect'\n");
  EXPECT_EQ(ReadFileBytes("zaznam.mp4"), "NEW");
}

TEST_F(ScriptRunnerTest, TheCommandAfterAndRunsOnlyWhenTheOneBeforeItSucceeded) {
  WriteFileBytes("tool", "#!/bin/sh\nexit \"$1\"\n");
  fs::permissions("tool", fs::perms::owner_all);
  WriteFileBytes("a.tmp", "A");
  EXPECT_FALSE(
      Run("\"./tool\" 1 && Move /Y \"a.tmp\" \"a\"\r\n"
          "\"./tool\" 0 && Move /Y \"a.tmp\" \"b\" && Move /Y \"b\" \"c\"\r\n"));
  EXPECT_EQ(Log(),
            "t.bat:1: './tool' exited with status 1\n"
            "t.bat:2: './tool' exited with status 0\n"
            "t.bat:2: moved 'a.tmp' to 'b'\n"
            "t.bat:2: moved 'b' to 'c'\n");
  EXPECT_FALSE(fs::exists("a"));
  EXPECT_EQ(ReadFileBytes("c"), "A");
}

// konvertuj.bat's lines, with the real converter found on PATH, on a recording of two seconds made
// with it: the conversion shows its progress and nothing of the converter's chatter; a broken
// input leaves neither a video of the final name nor harm to an earlier good one.
TEST_F(ScriptRunnerTest, ConvertsWithTheRealConverterAndKeepsTheLastGoodVideo) {
  const std::string conversion =
      "\"ffmpeg\" -nostdin -hide_banner -loglevel level+info -y -i \"IN\" -c:v libx264 "
      "-preset veryfast -pix_fmt yuv420p -vf \"scale=trunc(iw/2)*2:trunc(ih/2)*2\" -c:a aac "
      "-movflags +faststart -f mp4 \"zaznam.mp4.tmp\" && Move /Y \"zaznam.mp4.tmp\" "
      "\"zaznam.mp4\"\r\n";
  auto with_input = [&](const std::string& input) {
    return conversion.substr(0, conversion.find("IN")) + input +
           conversion.substr(conversion.find("IN") + 2);
  };
  ASSERT_TRUE(
      Run("\"ffmpeg\" -nostdin -v error -f lavfi -i testsrc=size=76x52:rate=5:duration=2 "
          "-f lavfi -i sine=duration=2 -c:v rv20 -c:a ac3 -f rm \"lect/a b.rm\"\r\n" +
          with_input("lect/a b.rm")))
      << Log();
  std::string log = Log();
  EXPECT_NE(log.find("t.bat:2: zaznam.mp4: "), std::string::npos) << log;
  EXPECT_EQ(log.find("[info]"), std::string::npos) << log;
  EXPECT_NE(log.find("t.bat:2: moved 'zaznam.mp4.tmp' to 'zaznam.mp4'\n"), std::string::npos);
  const std::string good = ReadFileBytes("zaznam.mp4");
  EXPECT_EQ(good.substr(4, 4), "ftyp");
  EXPECT_NE(good.find("moov"), std::string::npos);
  EXPECT_LT(good.find("moov"), good.find("mdat")) << "the index comes first";

  log_.str("");
  WriteFileBytes("lect/broken.rm", ".RMF and then nothing that plays");
  EXPECT_FALSE(Run(with_input("lect/broken.rm")));
  log = Log();
  EXPECT_NE(log.find("t.bat:1: 'ffmpeg' exited with status 1\n"), std::string::npos) << log;
  EXPECT_NE(log.find("lect/broken.rm"), std::string::npos) << "the error is passed on: " << log;
  EXPECT_EQ(log.find("moved"), std::string::npos) << log;
  EXPECT_EQ(ReadFileBytes("zaznam.mp4"), good);
}

}  // namespace
}  // namespace orvello::script_runner
