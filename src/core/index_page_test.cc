#include "core/index_page.h"

#include <gtest/gtest.h>

#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::LectureState;
using testing::MemoryDisk;

// "K výberu prednáškového videa, vyberte si danú fóliu." in Windows-1250.
const std::string kHeading =
    "K v\xFD"
    "beru predn\xE1\x9Akov\xE9ho videa, vyberte si dan\xFA f\xF3liu.\r\n";

TEST(IndexPage, ThumbnailFollowsTheFileNamesLastThreeCharacters) {
  struct Case {
    const char* file_name;
    const char* thumbnail;
  } cases[] = {
      {"a.htm", "web.gif"},   {"a.html", "web.gif"}, {"A.HTM", "A.HTM"}, {"a.avi", "video.gif"},
      {"a.mpg", "video.gif"}, {"a.mpeg", "a.mpeg"},  {"a.AVI", "a.AVI"}, {"chart.gif", "chart.gif"},
      {"xhtml", "web.gif"},   {"htm", "web.gif"},    {"tm", "tm"},       {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ThumbnailFor(c.file_name), c.thumbnail) << c.file_name;
}

TEST(IndexPage, ListsEverySegmentWithTheSameAnchor) {
  // The thumbnail follows the file name, not the type letter.
  RunState state = LectureState({{"00:00:00", "", 'P', "chart.gif"},
                                 {"00:01:00", "", 'H', "notes.HTM"},
                                 {"00:02:00", "", 'P', "clip.avi"}});
  MemoryDisk disk;
  WriteIndexPage(disk, state);
  EXPECT_EQ(disk.Contents("O\\folie.htm"),
            kHeading +
                "<BR> <FORM>\r\n"
                "<A NAME=n001>\r\n"
                "<a href=f01.htm target=\"_parent\" alt=\"p01.htm\">\r\n"
                "<img src=\"chart.gif\" vspace=5 hspace=5 Width=128 >\r\n"
                "</a>\r\n"
                "<A NAME=n001>\r\n"
                "<a href=f02.htm target=\"_parent\" alt=\"p02.htm\">\r\n"
                "<img src=\"notes.HTM\" vspace=5 hspace=5 Width=128 >\r\n"
                "</a>\r\n"
                "<A NAME=n001>\r\n"
                "<a href=f03.htm target=\"_parent\" alt=\"p03.htm\">\r\n"
                "<img src=\"video.gif\" vspace=5 hspace=5 Width=128 >\r\n"
                "</a>\r\n"
                "</FORM>\r\n");
}

TEST(IndexPage, EmptyLectureGivesOnlyTheFixedLines) {
  MemoryDisk disk;
  WriteIndexPage(disk, LectureState({}));
  EXPECT_EQ(disk.Contents("O\\folie.htm"), kHeading + "<BR> <FORM>\r\n</FORM>\r\n");
}

}  // namespace
}  // namespace orvello::core
