#include "platform/script_launcher.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "core/io_error.h"
#include "test_util.h"

namespace orvello::platform {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

// "name exit_status problem;" per outcome.
std::string Describe(const std::vector<ScriptLauncher::Outcome>& outcomes) {
  std::string text;
  for (const auto& outcome : outcomes)
    text += outcome.name + " " + std::to_string(outcome.exit_status) + " " + outcome.problem + ";";
  return text;
}

class ScriptLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.path() + "/m\xC3\xA1j";  // "máj", the Windows-1250 "m\xE1j"
    fs::create_directories(folder_);
    WriteFileBytes(folder_ + "/a.txt", "A");
    WriteFileBytes(folder_ + "/ok.bat", "Copy \"a.txt\" \"b.txt\"\r\n");
    WriteFileBytes(folder_ + "/bad.bat", "Del none.txt\r\n");
  }
  std::string Folder() const { return dir_.path() + "/m\xE1j/"; }

  ScopedTempDir dir_;
  std::string folder_;
};

TEST_F(ScriptLauncherTest, WaitingCollectsEachScriptsExitStatus) {
  ScriptLauncher launcher(/*wait=*/true);
  launcher.Start(Folder(), "ok");
  launcher.Start(Folder(), "bad");
  launcher.Start(dir_.path() + "/none/", "ok");
  std::vector<ScriptLauncher::Outcome> outcomes = launcher.WaitAll();
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_EQ(Describe({outcomes[0], outcomes[1]}), "ok 0 ;bad 1 exit status 1;");
  EXPECT_EQ(outcomes[2].exit_status, -1);
  EXPECT_NE(outcomes[2].problem.find("No such file or directory"), std::string::npos)
      << outcomes[2].problem;
  EXPECT_EQ(ReadFileBytes(folder_ + "/b.txt"), "A");
  EXPECT_TRUE(launcher.WaitAll().empty()) << "each script is collected once";
}

TEST_F(ScriptLauncherTest, DetachedScriptThatCannotStartRaisesTheIoError) {
  ScriptLauncher launcher;
  try {
    launcher.Start(dir_.path() + "/none/", "ok");
    FAIL() << "a script that never starts was taken as started";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.code(), core::kFileNotFound);
  }
}

TEST_F(ScriptLauncherTest, DetachedScriptThatCannotBeReadRaisesTheIoError) {
  ScriptLauncher launcher;
  try {
    launcher.Start(Folder(), "none");
    FAIL() << "a script that is not there was taken as started";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.code(), core::kFileNotFound);
  }
  int status;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1) << "a child is left";
}

TEST_F(ScriptLauncherTest, DetachedScriptsRunOnAndLeaveNoChildBehind) {
  {
    ScriptLauncher launcher;
    launcher.Start(Folder(), "ok");
    EXPECT_TRUE(launcher.WaitAll().empty());
  }
  int status;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1) << "a child is left";
  EXPECT_EQ(errno, ECHILD);
  // The script runs on its own; give it ample time to finish.
  for (int i = 0; i < 3000 && !fs::exists(folder_ + "/b.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(folder_ + "/b.txt"));
}

}  // namespace
}  // namespace orvello::platform
