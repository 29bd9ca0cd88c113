#include "core/timing_file.h"

#include <gtest/gtest.h>

#include "core/io_error.h"
#include "core/text_reader.h"
#include "core/text_writer.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

SegmentTable Read(const std::string& bytes) {
  MemoryDisk disk;
  disk.AddFile("t.txt", bytes);
  SegmentTable table;
  EXPECT_TRUE(ReadTimingFile(disk, "t.txt", &table));
  return table;
}

std::string Describe(const SegmentTable& table) {
  std::string text;
  for (int i = 1; i <= table.count(); ++i) {
    const Segment& s = table.at(i);
    text += "[" + s.start + "|" + s.end + "|" + std::string(1, s.type) + "|" + s.file_name + "]";
  }
  return text;
}

TEST(ReadTimingFile, ReadsFixedLayoutLines) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"plain", "00:00:00 00:05:30 P slide01.jpg\r\n", "[00:00:00|00:05:30|P|slide01.jpg]"},
      {"spaces in name", "00:00:00 00:05:30 P my slide.jpg\r\n",
       "[00:00:00|00:05:30|P|my slide.jpg]"},
      {"last line without line end", "00:00:00 00:01:00 P a.jpg\r\n00:01:00 00:02:00 H b.htm",
       "[00:00:00|00:01:00|P|a.jpg][00:01:00|00:02:00|H|b.htm]"},
      {"blank lines and indentation", "\r\n\r\n  00:00:00 00:01:00 V c.avi\r\n\r\n",
       "[00:00:00|00:01:00|V|c.avi]"},
      {"seven-character time shifts the fields", "0:00:00 00:05:30 P x.jpg\r\n",
       "[0:00:00 |0:05:30 | |.jpg]"},
      {"short line merges with the next", "00:00\r\n00:00:00 00:01:00 P a.jpg\r\n",
       "[00:00||0|:00:00 00:01:00 P a.jpg]"},
      {"LF-only line ends are ordinary bytes",
       "00:00:00 00:01:00 P a.jpg\n00:01:00 00:02:00 P b.jpg",
       "[00:00:00|00:01:00|P|a.jpg][00:01:00|00:02:00|P|b.jpg]"},
      {"Ctrl-Z ends the file",
       "00:00:00 00:01:00 P a.jpg\r\n\x1A"
       "00:01:00 00:02:00 P b.jpg",
       "[00:00:00|00:01:00|P|a.jpg]"},
      {"empty file", "", ""},
      {"only blank lines", "\r\n \r\n\t\r\n", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(Read(c.bytes)), c.expected) << c.name;
  }
}

TEST(ReadTimingSegment, SaysWhichLinesEachSegmentCameFrom) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string expected;  // first-last per segment
  } cases[] = {
      {"one a line", "00:00:00 00:01:00 P a.jpg\r\n00:01:00 00:02:00 P b.jpg", "1-1 2-2 "},
      {"blank lines skipped", "\r\n\r\n  00:00:00 00:01:00 P a.jpg\r\n\r\nx", "3-3 5-5 "},
      {"LF line ends", "\n00:00:00 00:01:00 P a.jpg\n00:01:00 00:02:00 P b.jpg\n", "2-2 3-3 "},
      {"short line takes in the next", "00:00\r\n00:00:00 00:01:00 P a.jpg\r\nz", "1-2 3-3 "},
      {"and a blank line after it", "00:00\r\n\r\nzzz\r\n", "1-3 "},
      {"no file name stays on its line", "00:00:00 00:01:00 P\r\n00:01:00 x", "1-1 2-2 "},
  };
  for (const auto& c : cases) {
    MemoryDisk disk;
    disk.AddFile("t.txt", c.bytes);
    TextReader reader(disk, "t.txt");
    Segment segment;
    SegmentLines lines;
    std::string found;
    while (ReadTimingSegment(reader, &segment, &lines)) {
      found += std::to_string(lines.first) + "-" + std::to_string(lines.last) + " ";
    }
    EXPECT_EQ(found, c.expected) << c.name;
  }
}

TEST(ReadTimingFile, RefusesMoreThanTheSegmentLimit) {
  std::string at_limit;
  for (int i = 0; i < kMaxSegments; ++i) at_limit += "00:00:00 00:00:01 P a.jpg\r\n";
  MemoryDisk disk;
  disk.AddFile("ok.txt", at_limit);
  disk.AddFile("long.txt", at_limit + "00:00:00 00:00:01 P z.jpg");
  SegmentTable table;
  EXPECT_TRUE(ReadTimingFile(disk, "ok.txt", &table));
  EXPECT_EQ(table.count(), kMaxSegments);
  EXPECT_FALSE(ReadTimingFile(disk, "long.txt", &table));
}

TEST(ReadTimingFile, ClearsTheTableOfAnEarlierRead) {
  MemoryDisk disk;
  disk.AddFile("two.txt", "00:00:00 00:01:00 P a.jpg\r\n00:01:00 00:02:00 P b.jpg\r\n");
  disk.AddFile("empty.txt", "");
  SegmentTable table;
  ReadTimingFile(disk, "two.txt", &table);
  ReadTimingFile(disk, "empty.txt", &table);
  EXPECT_EQ(table.count(), 0);
}

TEST(ReadTimingFile, MissingFileRaisesFileNotFound) {
  MemoryDisk disk;
  SegmentTable table;
  try {
    ReadTimingFile(disk, "none.txt", &table);
    FAIL() << "no error";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), kFileNotFound);
  }
}

TEST(ReadTimingFile, BinaryJunkNeverFailsOrLoops) {
  std::string junk;
  for (int i = 0; i < 20000; ++i) junk.push_back(static_cast<char>((i * 7919) % 256));
  SegmentTable table = Read(junk.substr(0, junk.find('\x1A')) + std::string(1 << 20, 'x'));
  EXPECT_GT(table.count(), 0);
}

TEST(WriteTimingLine, CutsTimesAndKeepsTypeAndNameWhole) {
  MemoryDisk disk;
  {
    TextWriter writer(disk, "out.txt");
    WriteTimingLine(writer, "00:00:00", "00:05:30", "P", "slide01.jpg");
    WriteTimingLine(writer, "00:00:00:99", "0:05:30", "Hx", "my page.htm");
    WriteTimingLine(writer, "", "", "", "");
    writer.Close();
  }
  EXPECT_EQ(disk.Contents("out.txt"),
            "00:00:00 00:05:30 P slide01.jpg\r\n"
            "00:00:00 0:05:30 Hx my page.htm\r\n"
            "   \r\n");
}

TEST(WriteTimingLine, RoundTripsThroughTheReader) {
  MemoryDisk disk;
  {
    TextWriter writer(disk, "rt.txt");
    WriteTimingLine(writer, "00:00:00", "00:05:30", "P", "a b.jpg");
    WriteTimingLine(writer, "00:05:30", "00:09:00", "H", "page.htm");
    writer.Close();
  }
  SegmentTable table;
  ReadTimingFile(disk, "rt.txt", &table);
  EXPECT_EQ(Describe(table), "[00:00:00|00:05:30|P|a b.jpg][00:05:30|00:09:00|H|page.htm]");
}

TEST(TimingPathFor, ReplacesTheLastThreeCharacters) {
  EXPECT_EQ(TimingPathFor("C:\\lect\\a.rm"), "C:\\lect\\a.txt");
  EXPECT_EQ(TimingPathFor("/x/talk.mp4"), "/x/talk..txt");
  EXPECT_EQ(TimingPathFor("abc"), ".txt");
  EXPECT_EQ(TimingPathFor("ab"), "ab.txt");
  EXPECT_EQ(TimingPathFor(""), ".txt");
}

}  // namespace
}  // namespace orvello::core
