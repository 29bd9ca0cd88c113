// Publishes a copy of the bundled example with the player's minimal template and the real
// converter, with the built orvello-cli --wait: konvertuj.bat converts the recording and the clip,
// shows its progress and is reported like the other scripts. And the check's warnings about the
// converter.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "test_util.h"

extern char** environ;

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class PublishPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(ORVELLO_SOURCE_DIR "/examples", dir_.path(), fs::copy_options::recursive);
    testing::AddPlayerFiles(dir_.path() + "/Style");
    fs::create_directories(dir_.path() + "/out");
    previous_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  // Runs the built orvello-cli with `args`; returns its exit status, its output in out_, its
  // standard error (the scripts' reports included) in err_.
  int RunBuilt(std::vector<std::string> args) {
    args.insert(args.begin(), ORVELLO_BINARY_DIR "/bin/orvello-cli");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "cli.out", O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "cli.err", O_WRONLY | O_CREAT, 0600);
    pid_t pid;
    int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    out_ = ReadFileBytes("cli.out");
    err_ = ReadFileBytes("cli.err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int Check(const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"check", "--media", "lecture/prednaska.rm", "--style",
                                     "Style"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::ostringstream out, err;
    int status = RunCli(args, out, err);
    out_ = out.str();
    return status;
  }

  testing::ScopedTempDir dir_;
  fs::path previous_;
  std::string out_, err_;
};

void ExpectPlayableMp4(const std::string& bytes, const char* name) {
  EXPECT_EQ(bytes.substr(4, 4), "ftyp") << name;
  EXPECT_LT(bytes.find("moov"), bytes.find("mdat")) << name << ": its index comes first";
}

TEST_F(PublishPlayerTest, WaitConvertsTheRecordingAndTheClipShowingTheProgress) {
  ASSERT_EQ(RunBuilt({"publish", "--media", "lecture/prednaska.rm", "--out", "out", "--style",
                      "Style", "--producer", "Producer", "--wait"}),
            kExitSuccess)
      << err_;
  EXPECT_EQ(out_, "On line prednaska: OK\n");
  EXPECT_NE(err_.find("konvertuj.bat:1: zaznam.mp4: 0 %\n"), std::string::npos) << err_;
  EXPECT_NE(err_.find("konvertuj.bat:2: moved 'klip03.mp4.tmp' to 'klip03.mp4'\n"),
            std::string::npos)
      << err_;
  EXPECT_EQ(err_.find("[info]"), std::string::npos) << err_;
  EXPECT_NE(err_.find("orvello-cli: konvertuj: exit status 0\n"), std::string::npos) << err_;
  ExpectPlayableMp4(ReadFileBytes("out/zaznam.mp4"), "zaznam.mp4");
  ExpectPlayableMp4(ReadFileBytes("out/klip03.mp4"), "klip03.mp4");
  EXPECT_FALSE(fs::exists("out/zaznam.mp4.tmp"));
  EXPECT_EQ(ReadFileBytes("out/prehravac.js"), ReadFileBytes("Style/prehravac.js"));
  EXPECT_EQ(ReadFileBytes("out/prehravac.css"), ReadFileBytes("Style/prehravac.css"));
}

TEST_F(PublishPlayerTest, AFailedConversionEndsWithStatusThreeAndNoVideo) {
  WriteFileBytes("lecture/klip.avi", "RIFF and nothing that plays");
  EXPECT_EQ(RunBuilt({"publish", "--media", "lecture/prednaska.rm", "--out", "out", "--style",
                      "Style", "--producer", "Producer", "--wait"}),
            kExitScriptFailed);
  EXPECT_NE(err_.find("orvello-cli: konvertuj: exit status 1\n"), std::string::npos) << err_;
  EXPECT_TRUE(fs::exists("out/zaznam.mp4"));
  EXPECT_FALSE(fs::exists("out/klip03.mp4"));
}

TEST_F(PublishPlayerTest, CheckWarnsAboutAMissingConverterOrARecordingItCannotRead) {
  EXPECT_EQ(Check(), kExitSuccess);
  EXPECT_EQ(out_, "0 errors, 0 warnings\n");

  EXPECT_EQ(Check({"--ffmpeg", "Producer/none"}), kExitSuccess);
  EXPECT_EQ(out_, dir_.path() +
                      "/Producer/none: warning: the converter is not a program that runs here; "
                      "konvertuj.bat cannot convert the recording, and the player shows no "
                      "video\n0 errors, 1 warning\n");

  std::string saved = std::getenv("PATH");
  setenv("PATH", "/nowhere", 1);
  EXPECT_EQ(Check(), kExitSuccess);
  setenv("PATH", saved.c_str(), 1);
  EXPECT_EQ(out_,
            "Style/prehravac.htm: warning: the style folder holds the player, but no ffmpeg was "
            "found; konvertuj.bat cannot convert the recording, and the player shows no video\n"
            "0 errors, 1 warning\n");

  std::string recording = ReadFileBytes("lecture/prednaska.rm");
  WriteFileBytes("lecture/prednaska.rm", recording.substr(0, recording.find("DATA")));
  EXPECT_EQ(Check(), kExitSuccess);
  EXPECT_EQ(out_.find("lecture/prednaska.rm: warning: ffmpeg cannot read the recording ("), 0u)
      << out_;
  EXPECT_TRUE(out_.ends_with("); the player shows no video\n0 errors, 1 warning\n")) << out_;
}

}  // namespace
}  // namespace orvello::cli
