#include "core/player_names.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "core/io_error.h"
#include "core/run_refusals.h"
#include "test_util.h"

namespace orvello::core {
namespace {

TEST(IsOutputName, ReservesThePlayersNamesOnlyWithThePlayer) {
  const std::pair<std::string_view, bool> cases[] = {
      {"prehravac.htm", true},      {"PREHRAVAC.JS", true},    {"prehravac.css", true},
      {"Kapitoly.vtt", true},       {"konvertuj.bat", true},   {"zaznam.mp4", true},
      {"ZAZNAM.MP4.TMP", true},     {"klip01.mp4", true},      {"klip999.mp4.tmp", true},
      {"klip02.mp4...", true},      {"konvertuj.bat:s", true}, {"ffmpeg", true},
      {"FFmpeg.exe", true},         {"ffmpeg.com", true},      {"ffmpeg.bat", true},
      {"ffmpeg.cmd", true},         {"klip1.mp4", false},      {"klip00.mp4", false},
      {"klip1000.mp4", false},      {"klip01.avi", false},     {"zaznam.mp4.bak", false},
      {"prehravac.htm.tmp", false}, {"ffmpeg.dll", false},     {"ffprobe.exe", false},
      {"zaznam.tmp", false},        {"kapitoly.txt", false},   {"prehravac.html", false},
  };
  for (const auto& [name, reserved] : cases) {
    EXPECT_EQ(IsOutputName(name, "a.rm", /*player=*/true), reserved) << name;
    EXPECT_FALSE(IsOutputName(name, "a.rm")) << name << " without the player";
  }
  EXPECT_TRUE(IsOutputName("P01.htm", "a.rm", /*player=*/true)) << "the others stay reserved";
}

TEST(StyleHasPlayer, OnlyAMissingTemplateMeansNoPlayer) {
  testing::MemoryDisk disk;
  EXPECT_FALSE(StyleHasPlayer(disk, "S\\"));
  disk.AddFile("S\\prehravac.htm", "");
  EXPECT_TRUE(StyleHasPlayer(disk, "S\\"));
  disk.FailOpenFor("S\\prehravac.htm", kFileAccessDenied);
  EXPECT_TRUE(StyleHasPlayer(disk, "S\\")) << "the run then reports why it cannot read it";
  disk.FailOpenFor("S\\prehravac.htm", kInvalidFilename);
  EXPECT_FALSE(StyleHasPlayer(disk, "S\\"));
}

}  // namespace
}  // namespace orvello::core
