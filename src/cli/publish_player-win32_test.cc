// Publishes the bundled example with the player's minimal template on Windows, with a copy of the
// built orvello-cli.exe that has the converter's stand-in ffmpeg.exe beside it, as an
// installation that brings its own converter has: konvertuj.bat names that one and converts the
// recording and the clip through orvello-script.exe, with its progress, reported like the other
// scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli.h"
#include "test_util.h"
#include "win32_test_util.h"

namespace orvello::cli {
namespace {

namespace fs = std::filesystem;
using testing::HostPath;
using testing::ReadFileBytes;

TEST(PublishPlayerOnWindows, ConvertsWithTheConverterBesideTheProgram) {
  testing::ScopedTempDir temp;
  const std::string base = temp.path() + "\\predn\xC3\xA1\xC5\xA1ky";  // "prednášky"
  const std::string examples = ORVELLO_SOURCE_DIR "/examples/";
  fs::create_directories(HostPath(base));
  for (const char* folder : {"lecture", "Style", "Producer"}) {
    fs::copy(HostPath(examples + folder), HostPath(base + "\\" + folder),
             fs::copy_options::recursive);
  }
  testing::AddPlayerFiles(base + "\\Style");
  fs::create_directories(HostPath(base + "\\out"));
  fs::create_directories(HostPath(base + "\\bin"));
  fs::copy_file(HostPath(ORVELLO_BINARY_DIR "/examples/Producer/rmevents.exe"),
                HostPath(base + "\\Producer\\rmevents.exe"));
  for (const char* program : {"orvello-cli.exe", "orvello-script.exe"})
    fs::copy_file(HostPath(testing::ProgramFolder() + program),
                  HostPath(base + "\\bin\\" + program));
  fs::copy_file(HostPath(ORVELLO_BINARY_DIR "/tests/converter/ffmpeg.exe"),
                HostPath(base + "\\bin\\ffmpeg.exe"));

  std::string out, err;
  int status =
      testing::RunCapturing({base + "\\bin\\orvello-cli.exe", "publish", "--media",
                             base + "\\lecture\\prednaska.rm", "--out", base + "\\out", "--style",
                             base + "\\Style", "--producer", base + "\\Producer", "--wait"},
                            &out, &err);
  ASSERT_EQ(status, kExitSuccess) << err;
  EXPECT_EQ(out, "On line prednaska: OK\n");
  EXPECT_NE(err.find("konvertuj.bat:1: zaznam.mp4: 0 %\n"), std::string::npos) << err;
  EXPECT_NE(err.find("konvertuj.bat:2: klip03.mp4: 0 %\n"), std::string::npos) << err;
  EXPECT_EQ(err.find("[info]"), std::string::npos) << err;
  EXPECT_NE(err.find("orvello-cli: konvertuj: exit status 0\n"), std::string::npos) << err;
  EXPECT_NE(ReadFileBytes(base + "\\out\\konvertuj.bat").find("predn\xE1\x9Aky\\bin\\ffmpeg.exe\""),
            std::string::npos)
      << "the converter beside the program";
  EXPECT_EQ(ReadFileBytes(base + "\\out\\zaznam.mp4"),
            "ftyp" + ReadFileBytes(examples + "lecture/prednaska.rm"));
  EXPECT_EQ(ReadFileBytes(base + "\\out\\klip03.mp4"),
            "ftyp" + ReadFileBytes(examples + "lecture/klip.avi"));
  EXPECT_EQ(ReadFileBytes(base + "\\out\\prehravac.js"),
            ReadFileBytes(base + "\\Style\\prehravac.js"));
}

}  // namespace
}  // namespace orvello::cli
