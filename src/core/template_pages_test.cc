#include "core/template_pages.h"

#include <gtest/gtest.h>

#include "core/io_error.h"
#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::LectureState;
using testing::MemoryDisk;
using testing::PictureSegments;

// Segment `i` of a three-segment lecture, its page written from `template_bytes`.
std::string Page(void (*writer)(DiskInterface&, const RunState&, int), const char* template_name,
                 const std::string& template_bytes, int i, const std::string& web = "",
                 size_t read_chunk = 0) {
  MemoryDisk disk;
  disk.set_read_chunk(read_chunk);
  disk.AddFile(std::string("S\\") + template_name, template_bytes);
  RunState state = LectureState(PictureSegments(3), web);
  writer(disk, state, i);
  EXPECT_EQ(disk.created().size(), 1u);
  return disk.created().empty() ? "" : disk.Contents(disk.created().back());
}

TEST(TemplatePages, CopiesTextWithoutMarkersLineByLine) {
  // A bare LF is an ordinary byte; a CR skips through the next LF, whatever lies between;
  // a Ctrl-Z ends the template.
  const std::string text = "<HTML>\r\n<BODY bgcolor=red>\nx\r\r\n\ra b\r\n!\"'*=\rtail\x1Alost\r\n";
  EXPECT_EQ(Page(WriteFPage, kFTemplateName, text, 1),
            "<HTML>\r\n<BODY bgcolor=red>\nx\r\n\r\n!\"'*=\r\n");
  EXPECT_EQ(Page(WriteFPage, kFTemplateName, text, 1, "", 1),
            "<HTML>\r\n<BODY bgcolor=red>\nx\r\n\r\n!\"'*=\r\n");
}

TEST(TemplatePages, PPageNamesItsNeighboursAndTheEndsRepeatThemselves) {
  const std::string text = "<A HREF=$>prev</A>|#|%|<A HREF=@>next</A>&\r\n@";
  struct Case {
    int i;
    const char* expected;
  } cases[] = {
      {1, "<A HREF=p01.htm>prev</A>|sld01.htm|n01.htm|<A HREF=p02.htm>next</A>&\r\np02.htm"},
      {2, "<A HREF=p01.htm>prev</A>|sld02.htm|n02.htm|<A HREF=p03.htm>next</A>&\r\np03.htm"},
      {3, "<A HREF=p02.htm>prev</A>|sld03.htm|n03.htm|<A HREF=p03.htm>next</A>&\r\np03.htm"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Page(WritePPage, kPTemplateName, text, c.i), c.expected) << "segment " << c.i;
  }
}

TEST(TemplatePages, FPageReplacesOnlyItsTwoMarkers) {
  EXPECT_EQ(Page(WriteFPage, kFTemplateName, "<FRAME SRC=#>\r\n<FRAME SRC=$>%@&##$", 2),
            "<FRAME SRC=n02.htm>\r\n<FRAME SRC=p02.htm>%@&n02.htmn02.htmp02.htm");
}

TEST(TemplatePages, NPageOptionListsNameEverySegment) {
  EXPECT_EQ(Page(WriteNPage, kNTemplateName, "<SELECT>\r\n&</SELECT>\r\n", 2),
            "<SELECT>\r\n"
            "<OPTION Value=\"n01.htm\">n01.htm\r\n"
            "<OPTION Value=\"n02.htm\">n02.htm\r\n"
            "<OPTION Value=\"n03.htm\">n03.htm\r\n"
            "</SELECT>\r\n");
  EXPECT_EQ(Page(WriteNPage, kNTemplateName, "[%]", 1, "http://w/"),
            "[<OPTION Value=\"p01.htm\">sld01.htm\r\n"
            "<OPTION Value=\"p02.htm\">sld02.htm\r\n"
            "<OPTION Value=\"p03.htm\">sld03.htm\r\n"
            "]");
}

TEST(TemplatePages, NPageMarkerChain) {
  const std::string n_opts =
      "<OPTION Value=\"http://w/n01.htm\">n01.htm\r\n"
      "<OPTION Value=\"http://w/n02.htm\">n02.htm\r\n"
      "<OPTION Value=\"http://w/n03.htm\">n03.htm\r\n";
  const std::string p_opts =
      "<OPTION Value=\"p01.htm\">sld01.htm\r\n"
      "<OPTION Value=\"p02.htm\">sld02.htm\r\n"
      "<OPTION Value=\"p03.htm\">sld03.htm\r\n";
  const std::string link = "http://w/r02.rpm";
  struct Case {
    const char* text;
    std::string expected;
  } cases[] = {
      {"<#&%@>", "<" + link + n_opts + p_opts + "n02.htm>"},
      {"<##>", "<" + link + "#>"},
      {"<#@>", "<" + link + "n02.htm>"},
      {"<#%#>", "<" + link + p_opts + "#>"},
      {"<&&>", "<" + n_opts + "&>"},
      {"<%&>", "<" + p_opts + "&>"},
      {"<@@$>", "<n02.htmn02.htm$>"},
      {"a#\r\nb", "a" + link + "\r\nb"},
      {"a%\r\nb", "a" + p_opts + "\r\nb"},
      {"a@\r\nb", "an02.htm\r\nb"},
      {"a@", "an02.htm"},
      {"a#", "a" + link},
      {"a&", "a" + n_opts},
      {"a%\x1A", "a" + p_opts},
      {"a#&%\x1Ax", "a" + link + n_opts + p_opts},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Page(WriteNPage, kNTemplateName, c.text, 2, "http://w/"), c.expected) << c.text;
    EXPECT_EQ(Page(WriteNPage, kNTemplateName, c.text, 2, "http://w/", 1), c.expected) << c.text;
  }
}

TEST(TemplatePages, MissingTemplateLeavesNoEmptyPage) {
  MemoryDisk disk;
  disk.AddFile("S\\p00.htm", "$");
  RunState state = LectureState(PictureSegments(1));
  WritePPage(disk, state, 1);
  try {
    WriteFPage(disk, state, 1);
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), kFileNotFound);
  }
  EXPECT_EQ(disk.journal(),
            (std::vector<std::string>{"read S\\p00.htm", "write O\\p01.htm", "read S\\f00.htm"}));
  EXPECT_EQ(disk.Contents("O\\p01.htm"), "p01.htm");
  EXPECT_FALSE(disk.Exists("O\\f01.htm"));
}

}  // namespace
}  // namespace orvello::core
