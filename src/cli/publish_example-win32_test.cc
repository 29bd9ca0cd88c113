// Publishes the bundled example with the built orvello-cli.exe --wait, as a user would on a Slovak
// Windows (the Windows test runner sets that locale): the lecture lies in a folder with a Slovak
// name, kopiruj.bat copies every segment file through orvello-script.exe, proces.bat runs the
// stand-in rmevents.exe. Every page, link file and the event list must then be byte for byte the
// Linux publish of the same inputs, tests/data/example_golden; the scripts differ only in their
// separator.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/encoding.h"
#include "example_output.h"
#include "platform/win32_text.h"
#include "test_util.h"
#include "win32_test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::HostPath;
using testing::ReadFileBytes;

const std::string kExamples = ORVELLO_SOURCE_DIR "/examples/";

// Copies the example's lecture and style folders and the stand-in recording tool under `base`.
void CopyExample(const std::string& base) {
  fs::create_directories(HostPath(base + "\\Producer"));
  for (const char* folder : {"lecture", "Style"}) {
    fs::copy(HostPath(kExamples + folder), HostPath(base + "\\" + folder),
             fs::copy_options::recursive);
  }
  testing::RemovePlayerFiles(base + "\\Style");  // as tests/data/example_golden was published
  fs::copy_file(HostPath(ORVELLO_BINARY_DIR "/examples/Producer/rmevents.exe"),
                HostPath(base + "\\Producer\\rmevents.exe"));
}

// Publishes the example copied under `base` into `out` with orvello-cli.exe --wait.
int Publish(const std::string& base, const std::string& out, std::string* stdout_text,
            std::string* err) {
  return testing::RunCapturing({testing::ProgramFolder() + "orvello-cli.exe", "publish", "--media",
                                base + "\\lecture\\prednaska.rm", "--out", out, "--style",
                                base + "\\Style", "--producer", base + "\\Producer", "--wait"},
                               stdout_text, err);
}

TEST(PublishExampleOnWindows, MatchesTheLinuxPublishByteForByte) {
  testing::ScopedTempDir temp;
  const std::string base = temp.path() + "\\predn\xC3\xA1\xC5\xA1ky";  // "prednášky"
  CopyExample(base);
  fs::create_directories(HostPath(base + "\\out"));

  std::string out, err;
  int status = Publish(base, base + "\\out", &out, &err);
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
    expected[name] = ReadFileBytes(kExamples + "lecture/" + name);
  for (const char* name : {"problems.htm", "freeplayer_g2.gif", "web.gif", "video.gif"})
    expected[name] = ReadFileBytes(kExamples + "Style/" + name);
  EXPECT_EQ(ExampleOutput(base + "\\out", base_cp1250), expected);
}

// `parent` followed by folders of up to 50 characters, `length` characters in all (ASCII).
std::string LongFolder(std::string parent, size_t length) {
  while (length - parent.size() > 52) parent += "\\" + std::string(50, 'x');
  return parent + "\\" + std::string(length - parent.size() - 1, 'y');
}

// A working directory holds at most MAX_PATH - 2 characters and its separator: that long, a run
// works through both scripts; one character longer, it is refused before its first write,
// where it used to write every page and then start neither script.
TEST(PublishExampleOnWindows, WorksInTheLongestWorkingDirectoryAndRefusesALongerOne) {
  testing::ScopedTempDir temp;
  CopyExample(temp.path());
  const std::string longest = LongFolder(temp.path() + "\\a", 258);
  const std::string longer = LongFolder(temp.path() + "\\b", 270);
  for (const std::string& folder : {longest, longer}) fs::create_directories(HostPath(folder));

  std::string out, err;
  EXPECT_EQ(Publish(temp.path(), longest, &out, &err), kExitSuccess) << err;
  EXPECT_EQ(out, "On line prednaska: OK\n");
  EXPECT_NE(err.find("orvello-cli: kopiruj: exit status 0\norvello-cli: proces: exit status 0\n"),
            std::string::npos)
      << err;
  for (const char* name : {"p07.htm", "slide06.jpg", "video.gif", "prednaska.rm"})
    EXPECT_TRUE(fs::exists(HostPath(longest + "\\" + name))) << name;

  EXPECT_EQ(Publish(temp.path(), longer, &out, &err), kExitRefused) << err;
  EXPECT_EQ(out,
            "1: Cesta k výstupnému adresáru je príliš dlhá: Windows v ňom nespustí skripty.\n");
  for (const char* name : {"Skus.txt", "event.txt", "p01.htm", "kopiruj.bat"})
    EXPECT_FALSE(fs::exists(HostPath(longer + "\\" + name))) << name;
  // Wine lists no folder past MAX_PATH (it lists the working directory instead), so the
  // temporary folder's removal stops at this one.
  for (std::string folder = longer; folder.size() > temp.path().size();
       folder.resize(folder.rfind('\\'))) {
    RemoveDirectoryW(platform::WideFromUtf8("\\\\?\\" + folder).c_str());
  }
}

}  // namespace
}  // namespace orvello::cli
