#include "core/text_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/io_error.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

/// The code of the IoError `action` throws, or 0 when it throws none.
int ErrorCodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const IoError& error) {
    return error.code();
  }
  return 0;
}

TEST(TextWriter, WritesValuesExactlyAndLineEndsAsCrLf) {
  MemoryDisk disk;
  TextWriter writer(disk, "out.htm");
  writer.Write("<p>");
  writer.Write('x');
  writer.Write("");
  writer.WriteLineEnd();
  writer.WriteLine(
      "\xE8"
      "as");  // "čas"
  writer.Write(std::string_view("a\0\x1A\n", 4));
  writer.WriteLine("");
  writer.Close();
  EXPECT_EQ(std::string("<p>x\r\n\xE8"
                        "as\r\na\0\x1A\n\r\n",
                        17),
            disk.Contents("out.htm"));
}

TEST(TextWriter, OpeningEmptiesTheFileAtOnce) {
  MemoryDisk disk;
  disk.AddFile("out.htm", "old contents");
  TextWriter writer(disk, "out.htm");
  EXPECT_EQ("", disk.Contents("out.htm"));
  writer.Write("new");
  writer.Close();
  EXPECT_EQ("new", disk.Contents("out.htm"));
}

TEST(TextWriter, WritesMoreThanItsBufferInOrder) {
  std::string expected;
  MemoryDisk disk;
  TextWriter writer(disk, "big.txt");
  for (int i = 0; expected.size() < (3u << 20); ++i) {
    std::string piece(static_cast<size_t>(i * 37 % 1001), static_cast<char>('a' + i % 26));
    writer.WriteLine(piece);
    writer.Write(static_cast<char>(i));
    expected += piece + "\r\n" + static_cast<char>(i);
  }
  writer.Close();
  EXPECT_EQ(expected, disk.Contents("big.txt"));
}

TEST(TextWriter, FailuresRaiseTheFilesError) {
  MemoryDisk disk;
  disk.FailOpenFor("open.txt", 3);
  disk.FailWriteAfter("full.txt", 4, 101);
  disk.FailCloseFor("close.txt", 5);
  const struct {
    const char* path;
    int code;
  } kCases[] = {{"open.txt", 3}, {"full.txt", 101}, {"close.txt", 5}, {"fine.txt", 0}};
  for (const auto& c : kCases) {
    EXPECT_EQ(c.code, ErrorCodeOf([&] {
                TextWriter writer(disk, c.path);
                writer.WriteLine("line");
                writer.Close();
              }))
        << c.path;
  }
  EXPECT_EQ("line", disk.Contents("full.txt"));
  EXPECT_EQ("line\r\n", disk.Contents("fine.txt"));
}

TEST(TextWriter, DestroyedWithoutCloseKeepsWhatWasWritten) {
  MemoryDisk disk;
  EXPECT_EQ(2, ErrorCodeOf([&] {
              TextWriter writer(disk, "page.htm");
              writer.WriteLine("<html>");
              writer.Write("<body");
              throw IoError(2);
            }));
  EXPECT_EQ("<html>\r\n<body", disk.Contents("page.htm"));
}

TEST(TextWriter, DestructionSwallowsAFailingWrite) {
  MemoryDisk disk;
  disk.FailWriteAfter("full.txt", 2, 101);
  {
    TextWriter writer(disk, "full.txt");
    writer.Write("abcd");
  }
  EXPECT_EQ("ab", disk.Contents("full.txt"));
}

TEST(TextWriter, ReplacingWriterDroppedWithoutCloseLeavesTheOldVersion) {
  MemoryDisk disk;
  disk.AddFile("talk.txt", "old");
  EXPECT_EQ(101, ErrorCodeOf([&] {
              TextWriter writer(disk.OpenForReplace("talk.txt"));
              writer.WriteLine("half");
              throw IoError(101);
            }));
  EXPECT_EQ("old", disk.Contents("talk.txt"));

  TextWriter writer(disk.OpenForReplace("talk.txt"));
  writer.WriteLine("new");
  writer.Close();
  EXPECT_EQ("new\r\n", disk.Contents("talk.txt"));
}

}  // namespace
}  // namespace orvello::core
