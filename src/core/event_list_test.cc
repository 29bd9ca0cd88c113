#include "core/event_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;
using testing::RunStateFor;

const std::vector<Segment> kThreeSegments = {
    {"00:00:00", "00:05:30", 'P', "slide01.jpg"},
    {"00:05:30", "00:07:00", 'H',
     "tabu\xBE"
     "ka.htm"},  // "tabuľka.htm"
    {"00:07:00", "01:00:00", 'V', "my clip.avi"},
};

TEST(WriteEventList, OneLinePerSegmentJoinedByCrLf) {
  struct Case {
    char separator;
    RunFields fields;
    const char* path;
  } cases[] = {
      {'\\',
       {"C:\\lect\\a.rm", "C:\\RP", "http://x.sk/p/", "C:\\Style", "C:\\out"},
       "C:\\out\\event.txt"},
      {'/', {"/lect/a.rm", "/RP", "http://x.sk/p/", "/Style", "/srv/out"}, "/srv/out/event.txt"},
  };
  for (const Case& c : cases) {
    MemoryDisk disk(c.separator);
    WriteEventList(disk, RunStateFor(c.fields, c.separator, kThreeSegments));
    EXPECT_EQ(disk.created(), std::vector<std::string>{c.path});
    EXPECT_EQ(disk.Contents(c.path),
              "u 00:00:00 00:05:30 &&posun&&http://x.sk/p/p01.htm\r\n"
              "u 00:05:30 00:07:00 &&posun&&http://x.sk/p/p02.htm\r\n"
              "u 00:07:00 01:00:00 &&posun&&http://x.sk/p/p03.htm");
  }
}

TEST(WriteEventList, EmptyWebAddressLeavesThePageNameAlone) {
  MemoryDisk disk;
  WriteEventList(disk, RunStateFor({"C:\\a.rm", "", "", "", "C:\\out"}, '\\',
                                   {{"0:00:00 ", "0:05:30 ", ' ', ".jpg"}}));
  EXPECT_EQ(disk.Contents("C:\\out\\event.txt"), "u 0:00:00  0:05:30  &&posun&&p01.htm");
}

TEST(WriteEventList, NoSegmentsGiveAnEmptyFile) {
  MemoryDisk disk;
  disk.AddFile("C:\\out\\event.txt", "old events");
  WriteEventList(disk, RunStateFor({"C:\\a.rm", "", "", "", "C:\\out"}, '\\', {}));
  EXPECT_EQ(disk.Contents("C:\\out\\event.txt"), "");
}

TEST(WriteEventList, ThreeDigitSegmentsNameThreeDigitPages) {
  std::vector<Segment> segments(100, Segment{"00:00:00", "00:00:01", 'P', "a.jpg"});
  segments[98].start = "01:38:00";
  segments[99].start = "01:39:00";
  MemoryDisk disk('/');
  WriteEventList(disk, RunStateFor({"/a.rm", "", "w/", "", "/o"}, '/', segments));
  std::string events = disk.Contents("/o/event.txt");
  const std::string tail =
      "\r\nu 01:38:00 00:00:01 &&posun&&w/p99.htm"
      "\r\nu 01:39:00 00:00:01 &&posun&&w/p100.htm";
  ASSERT_GT(events.size(), tail.size());
  EXPECT_EQ(events.substr(events.size() - tail.size()), tail);
  EXPECT_EQ(events.size(), 99 * 40 + 39u);  // 99 lines of 38 bytes and CR LF, then p100.htm
}

}  // namespace
}  // namespace orvello::core
