// Publishes a copy of the bundled example with the player's minimal template of
// tests/data/player_style, without starting the scripts, and compares the files the player adds or
// changes, byte for byte, with tests/data/example_player_golden. The temporary folder's path is
// written there as "<temp>".
//
// After an intended change of the output, regenerate the files with
//   ORVELLO_UPDATE_GOLDEN=1 build/testing/bin/cli_tests --gtest_filter='ExamplePlayerGolden.*'
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

constexpr char kPlayerGoldenFolder[] = ORVELLO_SOURCE_DIR "/tests/data/example_player_golden";

TEST(ExamplePlayerGolden, ThePlayersFilesMatchTheGoldenFiles) {
  testing::ScopedTempDir temp;
  const std::string examples = std::string(ORVELLO_SOURCE_DIR) + "/examples";
  for (const char* folder : {"lecture", "Style", "Producer"}) {
    fs::copy(HostPath(examples + "/" + folder), HostPath(temp.path() + "/" + folder),
             fs::copy_options::recursive);
  }
  testing::AddPlayerFiles(temp.path() + "/Style");
  fs::create_directory(HostPath(temp.path() + "/out"));
  std::ostringstream out, err;
  ASSERT_EQ(
      RunCli({"publish", "--media", temp.path() + "/lecture/prednaska.rm", "--out",
              temp.path() + "/out", "--style", temp.path() + "/Style", "--producer",
              temp.path() + "/Producer", "--ffmpeg", temp.path() + "/bin/ffmpeg", "--no-start"},
             out, err),
      kExitSuccess)
      << err.str();

  std::string temp_cp1250;
  ASSERT_TRUE(core::Utf8ToCp1250(temp.path(), &temp_cp1250));
  std::map<std::string, std::string> produced = ExampleOutput(temp.path() + "/out", temp_cp1250);
  const char* const kPlayerFiles[] = {"prehravac.htm", "kapitoly.vtt", "konvertuj.bat",
                                      "kopiruj.bat"};
  if (std::getenv("ORVELLO_UPDATE_GOLDEN") != nullptr) {
    fs::create_directories(HostPath(kPlayerGoldenFolder));
    for (const char* name : kPlayerFiles)
      testing::WriteFileBytes(std::string(kPlayerGoldenFolder) + "/" + name, produced[name]);
  }
  std::map<std::string, std::string> golden = ExampleOutput(kPlayerGoldenFolder, temp_cp1250);
  for (const char* name : kPlayerFiles) EXPECT_EQ(produced[name], golden[name]) << name;
  // The player adds its files and changes no other.
  std::map<std::string, std::string> without = ExampleOutput(kGoldenFolder, temp_cp1250);
  for (const auto& [name, bytes] : without) {
    if (name != "kopiruj.bat") {
      EXPECT_EQ(produced[name], bytes) << name;
    }
  }
  EXPECT_EQ(produced.size(), without.size() + 3);
}

}  // namespace
}  // namespace orvello::cli
