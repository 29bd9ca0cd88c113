// Publishes a copy of the bundled example, its style without the player, without starting the
// scripts and compares every file of the output folder, byte for byte, with
// tests/data/example_golden. The temporary folder's path,
// which the scripts name, is written there as "<temp>".
//
// After an intended change of the output, regenerate the files with
//   ORVELLO_UPDATE_GOLDEN=1 build/testing/bin/cli_tests --gtest_filter='ExampleGolden.*'
// and review the difference before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "core/encoding.h"
#include "example_output.h"
#include "test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::HostPath;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

TEST(ExampleGolden, PublishedOutputMatchesTheGoldenFiles) {
  ScopedTempDir temp;
  const std::string examples = std::string(ORVELLO_SOURCE_DIR) + "/examples";
  for (const char* folder : {"lecture", "Style", "Producer"}) {
    fs::copy(HostPath(examples + "/" + folder), HostPath(temp.path() + "/" + folder),
             fs::copy_options::recursive);
  }
  // A style without the player: the run writes exactly what it wrote before the player.
  testing::RemovePlayerFiles(temp.path() + "/Style");
  fs::create_directory(HostPath(temp.path() + "/out"));
  std::ostringstream out, err;
  int status = RunCli(
      {"publish", "--media", temp.path() + "/lecture/prednaska.rm", "--out", temp.path() + "/out",
       "--style", temp.path() + "/Style", "--producer", temp.path() + "/Producer", "--no-start"},
      out, err);
  ASSERT_EQ(status, kExitSuccess) << err.str();

  const std::string golden_dir = kGoldenFolder;
  std::string temp_cp1250;
  ASSERT_TRUE(core::Utf8ToCp1250(temp.path(), &temp_cp1250));
  std::map<std::string, std::string> produced = ExampleOutput(temp.path() + "/out", temp_cp1250);
  if (std::getenv("ORVELLO_UPDATE_GOLDEN") != nullptr) {
    fs::remove_all(HostPath(golden_dir));
    fs::create_directories(HostPath(golden_dir));
    for (const auto& [name, bytes] : produced) WriteFileBytes(golden_dir + "/" + name, bytes);
  }
  std::map<std::string, std::string> golden = ExampleOutput(golden_dir, temp_cp1250);
  for (const auto& [name, bytes] : golden) {
    auto it = produced.find(name);
    if (it == produced.end()) {
      ADD_FAILURE() << name << " was not written";
      continue;
    }
    EXPECT_EQ(it->second, bytes) << name;
  }
  for (const auto& entry : produced) {
    EXPECT_TRUE(golden.count(entry.first)) << entry.first << " is not in " << golden_dir;
  }
}

}  // namespace
}  // namespace orvello::cli
