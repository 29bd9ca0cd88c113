#include "core/output_names.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "core/segment_table.h"

namespace orvello::core {
namespace {

// All six names of `index`, space-separated, in the order slide, F, N, P, Ram, Rpm.
std::string Row(const OutputNameTable& table, int index) {
  const SegmentNames& names = table.at(index);
  return names.slide + " " + names.f + " " + names.n + " " + names.p + " " + names.ram + " " +
         names.rpm;
}

std::string ColumnP(const OutputNameTable& table) {
  std::string column;
  for (int i = 0; i <= table.count() + 1; ++i) column += table.at(i).p + ";";
  return column;
}

TEST(TwoDigitNumber, PadsOnlyBelowTen) {
  const std::pair<int, const char*> cases[] = {{1, "01"},  {9, "09"},    {10, "10"},
                                               {99, "99"}, {100, "100"}, {999, "999"}};
  for (const auto& [number, expected] : cases) EXPECT_EQ(TwoDigitNumber(number), expected);
}

TEST(BuildOutputNames, OneSegmentIsItsOwnNeighbourOnBothSides) {
  OutputNameTable table;
  BuildOutputNames(1, &table);
  EXPECT_EQ(table.count(), 1);
  for (int i = 0; i <= 2; ++i)
    EXPECT_EQ(Row(table, i), "sld01.htm f01.htm n01.htm p01.htm r01.ram r01.rpm") << i;
  EXPECT_THROW(table.at(3), std::out_of_range);
}

TEST(BuildOutputNames, EndEntriesRepeatTheFirstAndLastSegment) {
  OutputNameTable table;
  BuildOutputNames(3, &table);
  EXPECT_EQ(ColumnP(table), "p01.htm;p01.htm;p02.htm;p03.htm;p03.htm;");
}

TEST(BuildOutputNames, NamesGrowPastTwoDigitsUpToTheLimit) {
  OutputNameTable table;
  BuildOutputNames(kMaxSegments, &table);
  EXPECT_EQ(table.count(), kMaxSegments);
  EXPECT_EQ(Row(table, 9), "sld09.htm f09.htm n09.htm p09.htm r09.ram r09.rpm");
  EXPECT_EQ(Row(table, 10), "sld10.htm f10.htm n10.htm p10.htm r10.ram r10.rpm");
  EXPECT_EQ(Row(table, 99), "sld99.htm f99.htm n99.htm p99.htm r99.ram r99.rpm");
  EXPECT_EQ(Row(table, 100), "sld100.htm f100.htm n100.htm p100.htm r100.ram r100.rpm");
  EXPECT_EQ(Row(table, 999), "sld999.htm f999.htm n999.htm p999.htm r999.ram r999.rpm");
  EXPECT_EQ(Row(table, 1000), Row(table, 999));
  EXPECT_EQ(Row(table, 0), Row(table, 1));
}

TEST(BuildOutputNames, NoSegmentsLeaveTwoEmptyEntriesAfterALongerRun) {
  OutputNameTable table;
  BuildOutputNames(5, &table);
  BuildOutputNames(0, &table);
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(Row(table, 0), "     ");
  EXPECT_EQ(Row(table, 1), "     ");
  EXPECT_THROW(table.at(2), std::out_of_range);
}

TEST(BuildOutputNames, AShorterRunEndsAtItsOwnLastSegment) {
  OutputNameTable table;
  BuildOutputNames(4, &table);
  BuildOutputNames(2, &table);
  EXPECT_EQ(ColumnP(table), "p01.htm;p01.htm;p02.htm;p02.htm;");
}

}  // namespace
}  // namespace orvello::core
