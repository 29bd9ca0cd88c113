// Publishes the bundled example with the built orvello-cli.exe --wait, as a user would on a Slovak
// Windows (the Windows test runner sets that locale): the lecture lies in a folder with a Slovak
// name, kopiruj.bat copies every segment file through orvello-script.exe, proces.bat runs the
// stand-in rmevents.exe. Every page, link file and the event list must then be byte for byte the
// Linux publish of the same inputs, tests/data/example_golden; the scripts differ only in their
// separator.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/example_output.h"
#include "core/encoding.h"
#include "test_util.h"
#include "win32_test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::HostPath;
using testing::ReadFileBytes;

TEST(PublishExampleOnWindows, MatchesTheLinuxPublishByteForByte) {
  testing::ScopedTempDir temp;
  const std::string base = temp.path() + "\\predn\xC3\xA1\xC5\xA1ky";  // "prednášky"
  const std::string examples = ORVELLO_SOURCE_DIR "/examples/";
  fs::create_directories(HostPath(base + "\\Producer"));
  fs::create_directories(HostPath(base + "\\out"));
  for (const char* folder : {"lecture", "Style"}) {
    fs::copy(HostPath(examples + folder), HostPath(base + "\\" + folder),
             fs::copy_options::recursive);
  }
  testing::RemovePlayerFiles(base + "\\Style");  // as tests/data/example_golden was published
  fs::copy_file(HostPath(ORVELLO_BINARY_DIR "/examples/Producer/rmevents.exe"),
                HostPath(base + "\\Producer\\rmevents.exe"));

  std::string out, err;
  int status =
      testing::RunCapturing({testing::ProgramFolder() + "orvello-cli.exe", "publish", "--media",
                             base + "\\lecture\\prednaska.rm", "--out", base + "\\out", "--style",
                             base + "\\Style", "--producer", base + "\\Producer", "--wait"},
                            &out, &err);
  ASSERT_EQ(status, kExitSuccess) << err;
  EXPECT_EQ(out, "On line prednaska: OK\n");
  EXPECT_NE(
      err.find("rmevents (stand-in): " + base + "\\out\\prednaska.rm with 7 events written\n"),
      std::string::npos)
      << err;
  EXPECT_NE(err.find("orvello-cli: kopiruj: exit status 0\norvello-cli: proces: exit status 0\n"),
            std::string::npos)
      << err;

  std::string base_cp1250;
  ASSERT_TRUE(core::Utf8ToCp1250(base, &base_cp1250));
  std::map<std::string, std::string> expected = ExampleOutput(kGoldenFolder, base_cp1250);
  expected.erase("Skus.txt");     // the copy script deletes the probe file
  expected.erase("kopiruj.bat");  // and then itself
  for (const char* name :
       {"slide01.jpg", "slide02.gif", "klip.avi", "slide04.png", "slide06.jpg", "prednaska.rm"})
    expected[name] = ReadFileBytes(examples + "lecture/" + name);
  for (const char* name : {"problems.htm", "freeplayer_g2.gif", "web.gif", "video.gif"})
    expected[name] = ReadFileBytes(examples + "Style/" + name);
  EXPECT_EQ(ExampleOutput(base + "\\out", base_cp1250), expected);
}

}  // namespace
}  // namespace orvello::cli
