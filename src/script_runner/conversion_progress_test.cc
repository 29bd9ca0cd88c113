#include "script_runner/conversion_progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvello::script_runner {
namespace {

using Clock = ConversionProgress::Clock;
using std::chrono::milliseconds;

// What the converter writes for a recording of 14.02 seconds, in the pieces it writes them.
TEST(ConversionProgress, ShowsAPercentageAtMostOnceASecondAndPassesProblemsOn) {
  ConversionProgress progress("zaznam.mp4");
  const Clock::time_point t0;
  const struct {
    int ms;
    const char* bytes;
  } pieces[] = {
      {0, "[info] Input #0, rm, from 'a.rm':\n[info]   Duration: 00:00:14.02, start: 0.0"},
      {0, "00000, bitrate: 63 kb/s\n[libx264 @ 0x55d] [info] using cpu capabilities: MMX2\n"},
      {0, "[rm @ 0x1] [warning] Invalid stream index 3\n[info]   Duration: 01:00:00.00\n"},
      {100, "[info] frame=    1 fps=0.0 q=0.0 size=0kB time=00:00:00.00 bitrate=N/A\r"},
      {600, "frame=   40 fps=0.0 q=28.0 size=0kB time=00:00:04.00 bitrate=N/A\r"},
      {1100, "[info] frame=   60 fps=0.0 time=00:00:07.01 bitrate=N/A\r[mp4 @ 0x2] [info] "},
      {1150, "Starting second pass: moving the moov atom\r\n"},
      {1200, "[info] size=  12kB time=00:00:08.50 bitrate=N/A\r"},
      {2100, "[info] frame=  80 time=00:00:07.01\r"},
      {3200, "[info] frame=  140 fps=0.0 Lsize=173kB time=00:00:14.01 bitrate=101.0kbits/s\n"},
      {3300, "[error] Conversion failed!\nplain text from a stand-in"},
  };
  std::vector<std::string> reports;
  for (const auto& piece : pieces) {
    for (std::string& line : progress.Take(piece.bytes, t0 + milliseconds(piece.ms)))
      reports.push_back(std::move(line));
  }
  for (std::string& line : progress.Finish(t0 + milliseconds(3400))) reports.push_back(line);
  EXPECT_EQ(reports, (std::vector<std::string>{
                         "[rm @ 0x1] [warning] Invalid stream index 3",
                         "zaznam.mp4: 0 %",
                         "zaznam.mp4: 50 %",
                         "zaznam.mp4: 99 %",
                         "[error] Conversion failed!",
                         "plain text from a stand-in",
                     }));
}

TEST(ConversionProgress, ShowsNothingWithoutTheRecordingsLength) {
  ConversionProgress progress("klip03.mp4");
  const Clock::time_point t0;
  EXPECT_EQ(progress.Take("[info]   Duration: N/A, bitrate: N/A\n"
                          "[info] frame=    1 time=00:00:01.00\r[info] frame=2 time=-00:00:00.04\n",
                          t0),
            std::vector<std::string>{});
}

TEST(ReportsConversionProgress, KnowsTheConvertersLinesByTheirLogLevel) {
  ScriptLine line = ParseScriptLine(
      "\"/usr/bin/ffmpeg\" -nostdin -loglevel level+info -i \"a.rm\" \"zaznam.mp4.tmp\" && "
      "Move /Y \"zaznam.mp4.tmp\" \"zaznam.mp4\"");
  EXPECT_TRUE(ReportsConversionProgress(line));
  EXPECT_EQ(ConversionTarget(line), "zaznam.mp4");
  EXPECT_FALSE(ReportsConversionProgress(ParseScriptLine("\"/RP/rmevents\" -loglevel info")));
  EXPECT_FALSE(ReportsConversionProgress(ParseScriptLine("\"x\" level+info -loglevel")));
  EXPECT_FALSE(ReportsConversionProgress(ParseScriptLine("Copy \"-loglevel\" \"level+info\"")));
}

}  // namespace
}  // namespace orvello::script_runner
