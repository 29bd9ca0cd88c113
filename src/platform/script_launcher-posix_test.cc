#include "platform/script_launcher.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "core/io_error.h"
#include "script_launcher_test.h"
#include "test_util.h"

namespace orvello::platform {
namespace {

namespace fs = std::filesystem;

TEST_F(ScriptLauncherTest, WaitingNamesWhyARunnerDidNotStart) {
  ScriptLauncher launcher(/*wait=*/true);
  launcher.Start(dir_.path() + "/none/", "ok");
  std::vector<ScriptLauncher::Outcome> outcomes = launcher.WaitAll();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_NE(outcomes[0].problem.find("No such file or directory"), std::string::npos)
      << outcomes[0].problem;
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

TEST_F(ScriptLauncherTest, DetachedScriptThatCannotBeReadLeavesNoChild) {
  ScriptLauncher launcher;
  EXPECT_THROW(launcher.Start(Folder(), "none"), core::IoError);
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
