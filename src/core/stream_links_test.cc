#include "core/stream_links.h"

#include <gtest/gtest.h>

#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::LectureState;
using testing::MemoryDisk;
using testing::PictureSegments;

TEST(StreamLinks, BothFilesHoldOneLineWithoutLineEnd) {
  struct Case {
    const char* web;
    const char* expected;
  } cases[] = {
      {"", "file:talk.rm?start=\"00:01:00\""},
      {"http://example.org/lecture/", "http://example.org/lecture/talk.rm?start=\"00:01:00\""},
      {"rtsp://h", "rtsp://htalk.rm?start=\"00:01:00\""},
  };
  for (const Case& c : cases) {
    MemoryDisk disk;
    RunState state = LectureState(PictureSegments(3), c.web);
    WriteRamFile(disk, state, 2);
    WriteRpmFile(disk, state, 2);
    EXPECT_EQ(disk.created(), (std::vector<std::string>{"O\\r02.ram", "O\\r02.rpm"}));
    EXPECT_EQ(disk.Contents("O\\r02.ram"), c.expected) << c.web;
    EXPECT_EQ(disk.Contents("O\\r02.rpm"), c.expected) << c.web;
  }
}

TEST(StreamLinks, StartTimeIsTakenAsWritten) {
  std::vector<Segment> segments = {{"0:5:30", "", 'P', "a.jpg"}, {"", "", 'P', "b.jpg"}};
  RunState state = LectureState(segments);
  state.params.media_name = "lecture.rm";
  EXPECT_EQ(StreamLink(state, 1), "file:lecture.rm?start=\"0:5:30\"");
  EXPECT_EQ(StreamLink(state, 2), "file:lecture.rm?start=\"\"");
}

}  // namespace
}  // namespace orvello::core
