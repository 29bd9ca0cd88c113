// Publishes a copy of the bundled example without starting the scripts and compares every file of
// the output folder, byte for byte, with tests/data/example_golden. The temporary folder's path,
// which the scripts name, is written there as "<temp>".
//
// After an intended change of the output, regenerate the files with
//   ORVELLO_UPDATE_GOLDEN=1 build/testing/bin/cli_tests --gtest_filter='ExampleGolden.*'
// and review the difference before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "platform/real_disk.h"
#include "test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::HostPath;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

constexpr char kTempMark[] = "<temp>";

std::string Utf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Every file of `dir` by its UTF-8 name, with `temp` written as kTempMark. The scripts name paths
// with the platform's separator, written as '/'.
std::map<std::string, std::string> FilesIn(const std::string& dir, const std::string& temp) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(HostPath(dir))) {
    std::string name = Utf8(entry.path().filename());
    std::string bytes = ReplaceAll(ReadFileBytes(Utf8(entry.path())), temp, kTempMark);
    if (name.ends_with(".bat"))
      std::replace(bytes.begin(), bytes.end(), platform::kPathSeparator, '/');
    files[name] = bytes;
  }
  return files;
}

TEST(ExampleGolden, PublishedOutputMatchesTheGoldenFiles) {
  ScopedTempDir temp;
  const std::string examples = std::string(ORVELLO_SOURCE_DIR) + "/examples";
  for (const char* folder : {"lecture", "Style", "Producer"}) {
    fs::copy(HostPath(examples + "/" + folder), HostPath(temp.path() + "/" + folder),
             fs::copy_options::recursive);
  }
  fs::create_directory(HostPath(temp.path() + "/out"));
  std::ostringstream out, err;
  int status = RunCli(
      {"publish", "--media", temp.path() + "/lecture/prednaska.rm", "--out", temp.path() + "/out",
       "--style", temp.path() + "/Style", "--producer", temp.path() + "/Producer", "--no-start"},
      out, err);
  ASSERT_EQ(status, kExitSuccess) << err.str();

  const std::string golden_dir = std::string(ORVELLO_SOURCE_DIR) + "/tests/data/example_golden";
  std::map<std::string, std::string> produced = FilesIn(temp.path() + "/out", temp.path());
  if (std::getenv("ORVELLO_UPDATE_GOLDEN") != nullptr) {
    fs::remove_all(HostPath(golden_dir));
    fs::create_directories(HostPath(golden_dir));
    for (const auto& [name, bytes] : produced) WriteFileBytes(golden_dir + "/" + name, bytes);
  }
  std::map<std::string, std::string> golden = FilesIn(golden_dir, temp.path());
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
