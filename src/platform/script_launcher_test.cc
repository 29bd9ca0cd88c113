#include "platform/script_launcher.h"

#include <gtest/gtest.h>

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
using testing::ReadFileBytes;

TEST_F(ScriptLauncherTest, WaitingCollectsEachScriptsExitStatus) {
  ScriptLauncher launcher(/*wait=*/true);
  launcher.Start(Folder(), "ok");
  launcher.Start(Folder(), "bad");
  launcher.Start(dir_.path() + "/none/", "ok");
  std::vector<ScriptLauncher::Outcome> outcomes = launcher.WaitAll();
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_EQ(Describe({outcomes[0], outcomes[1]}), "ok 0 ;bad 1 exit status 1;");
  EXPECT_EQ(outcomes[2].exit_status, -1);
  EXPECT_EQ(outcomes[2].problem.rfind("cannot start '", 0), 0u) << outcomes[2].problem;
  EXPECT_NE(outcomes[2].problem.find("none"), std::string::npos) << outcomes[2].problem;
  EXPECT_EQ(ReadFileBytes(folder_ + "/b.txt"), "A");
  EXPECT_TRUE(launcher.WaitAll().empty()) << "each script is collected once";
}

TEST_F(ScriptLauncherTest, DetachedScriptThatCannotBeReadRaisesTheIoError) {
  ScriptLauncher launcher;
  try {
    launcher.Start(Folder(), "none");
    FAIL() << "a script that is not there was taken as started";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.code(), core::kFileNotFound);
  }
}

TEST_F(ScriptLauncherTest, DetachedScriptsRunOnTheirOwn) {
  {
    ScriptLauncher launcher;
    launcher.Start(Folder(), "ok");
    EXPECT_TRUE(launcher.WaitAll().empty());
  }
  // The script runs on its own; give it ample time to finish.
  for (int i = 0; i < 3000 && !fs::exists(fs::u8path(folder_ + "/b.txt")); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(ReadFileBytes(folder_ + "/b.txt"), "A");
}

}  // namespace
}  // namespace orvello::platform
