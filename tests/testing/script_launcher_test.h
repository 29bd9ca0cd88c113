#ifndef ORVELLO_TESTS_TESTING_SCRIPT_LAUNCHER_TEST_H_
#define ORVELLO_TESTS_TESTING_SCRIPT_LAUNCHER_TEST_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/real_disk.h"
#include "platform/script_launcher.h"
#include "test_util.h"

namespace orvello::platform {

/// "name exit_status problem;" per outcome.
inline std::string Describe(const std::vector<ScriptLauncher::Outcome>& outcomes) {
  std::string text;
  for (const auto& outcome : outcomes)
    text += outcome.name + " " + std::to_string(outcome.exit_status) + " " + outcome.problem + ";";
  return text;
}

/// A folder with a Slovak name, "máj", holding a.txt and two scripts: ok.bat copies it to b.txt,
/// bad.bat fails.
class ScriptLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.path() + kPathSeparator + "m\xC3\xA1j";
    std::filesystem::create_directories(std::filesystem::u8path(folder_));
    testing::WriteFileBytes(folder_ + "/a.txt", "A");
    testing::WriteFileBytes(folder_ + "/ok.bat", "Copy \"a.txt\" \"b.txt\"\r\n");
    testing::WriteFileBytes(folder_ + "/bad.bat", "Del none.txt\r\n");
  }
  /// The folder as the run names it: Windows-1250, with a trailing separator.
  std::string Folder() const { return dir_.path() + kPathSeparator + "m\xE1j" + kPathSeparator; }

  testing::ScopedTempDir dir_;
  std::string folder_;  ///< UTF-8
};

}  // namespace orvello::platform

#endif  // ORVELLO_TESTS_TESTING_SCRIPT_LAUNCHER_TEST_H_
