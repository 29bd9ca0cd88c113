#include "core/slide_page.h"

#include <gtest/gtest.h>

#include "core/io_error.h"
#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::LectureState;
using testing::MemoryDisk;
using testing::PictureSegments;

TEST(SlidePage, PictureAndVideoPagesAreGenerated) {
  std::vector<Segment> segments = PictureSegments(10);
  segments[2].file_name = "chart.gif";
  segments[3] = {"00:03:00", "00:04:00", 'V', "clip 1.avi"};
  segments[4].type = 'h';  // only an upper-case H is an HTML segment
  RunState state = LectureState(segments);
  MemoryDisk disk;
  for (int i : {3, 4, 5, 10}) WriteSlidePage(disk, state, i);
  EXPECT_EQ(disk.Contents("O\\sld03.htm"),
            "<HTML>\r\n"
            "<HEAD>\r\n"
            "</HEAD>\r\n"
            "<body bgcolor=\"white\">\r\n"
            "<CENTER>\r\n"
            "<img src=\"chart.gif\" alt=\"Slide 3\" border=0 usemap=\"#Objmap\">\r\n"
            "</CENTER>\r\n"
            "</HTML>\r\n");
  EXPECT_EQ(disk.Contents("O\\sld04.htm"),
            "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<body bgcolor=\"white\">\r\n<CENTER>\r\n"
            "<img dynsrc=\"clip 1.avi\" alt=\"Video\" start=\"fileopen\">\r\n"
            "</CENTER>\r\n</HTML>\r\n");
  EXPECT_EQ(disk.Contents("O\\sld05.htm"),
            "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<body bgcolor=\"white\">\r\n<CENTER>\r\n"
            "<img src=\"s5.jpg\" alt=\"Slide 5\" border=0 usemap=\"#Objmap\">\r\n"
            "</CENTER>\r\n</HTML>\r\n");
  EXPECT_EQ(disk.Contents("O\\sld10.htm"),
            "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<body bgcolor=\"white\">\r\n<CENTER>\r\n"
            "<img src=\"s10.jpg\" alt=\"Slide 10\" border=0 usemap=\"#Objmap\">\r\n"
            "</CENTER>\r\n</HTML>\r\n");
}

TEST(SlidePage, HtmlSegmentIsCopiedWithoutMarkers) {
  std::vector<Segment> segments = PictureSegments(2);
  segments[1] = {"00:01:00", "00:02:00", 'H', "tabu\xBEka.htm"};
  MemoryDisk disk;
  disk.AddFile("M\\tabu\xBEka.htm", "<P>#$%@&</P>\n<A HREF=x.htm>\r\n\xE1\r\r\nend\r\x1Arest");
  WriteSlidePage(disk, LectureState(segments), 2);
  EXPECT_EQ(disk.Contents("O\\sld02.htm"), "<P>#$%@&</P>\n<A HREF=x.htm>\r\n\xE1\r\nend\r\n");
  EXPECT_EQ(disk.journal(),
            (std::vector<std::string>{"read M\\tabu\xBEka.htm", "write O\\sld02.htm"}));
}

TEST(SlidePage, MissingHtmlSegmentLeavesNoSlidePage) {
  std::vector<Segment> segments = {{"00:00:00", "00:01:00", 'H', "gone.htm"}};
  MemoryDisk disk;
  try {
    WriteSlidePage(disk, LectureState(segments), 1);
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), kFileNotFound);
  }
  EXPECT_EQ(disk.journal(), std::vector<std::string>{"read M\\gone.htm"});
}

}  // namespace
}  // namespace orvello::core
