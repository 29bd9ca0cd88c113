#include "core/io_error.h"

#include <gtest/gtest.h>

namespace orvello::core {
namespace {

TEST(IoError, NamesTheKnownCodesAndNumbersTheRest) {
  struct Case {
    int code;
    const char* text;
    const char* shown;
  } cases[] = {
      {2, "File not found", "File not found."},
      {3, "Invalid filename", "Invalid filename."},
      {4, "Too many open files", "Too many open files."},
      {5, "File access denied", "File access denied."},
      {100, "Read beyond end of file", "Read beyond end of file."},
      {101, "Disk full", "Disk full."},
      {106, "Invalid numeric input", "Invalid numeric input."},
      {32, "I/O error 32", "I/O error 32."},
      {103, "I/O error 103", "I/O error 103."},
  };
  for (const auto& c : cases) {
    IoError error(c.code);
    EXPECT_EQ(error.code(), c.code);
    EXPECT_EQ(error.text(), c.text);
    EXPECT_EQ(error.DisplayText(), c.shown);
  }
}

TEST(WithPeriod, AddsAPeriodOnlyAfterACharacterAboveIt) {
  EXPECT_EQ(WithPeriod("done."), "done.");
  EXPECT_EQ(WithPeriod("what?"), "what?.");
  EXPECT_EQ(WithPeriod("a-"), "a-");
  EXPECT_EQ(WithPeriod("a "), "a ");
  EXPECT_EQ(WithPeriod("a/"), "a/.");
  EXPECT_EQ(WithPeriod("s\xFA"), "s\xFA.");  // bytes above 127 count as large
  EXPECT_EQ(WithPeriod(""), "");
}

}  // namespace
}  // namespace orvello::core
