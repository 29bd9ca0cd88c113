#include "platform/script_launcher.h"

#include <gtest/gtest.h>

#include <string>

#include "core/io_error.h"
#include "script_launcher_test.h"

namespace orvello::platform {
namespace {

TEST_F(ScriptLauncherTest, DetachedScriptInAMissingFolderRaisesTheIoError) {
  ScriptLauncher launcher;
  try {
    launcher.Start(dir_.path() + "\\none\\", "ok");
    FAIL() << "a script that never starts was taken as started";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.code(), core::kInvalidFilename);  // the system's "path not found"
    EXPECT_EQ(error.path(), dir_.path() + "\\none\\ok.bat");
  }
}

}  // namespace
}  // namespace orvello::platform
