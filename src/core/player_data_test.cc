#include "core/player_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvello::core {
namespace {

TEST(ParsePlayerTime, ReadsHoursOfAnyLengthAndRefusesTheRest) {
  const struct {
    const char* text;
    std::optional<int64_t> seconds;
  } cases[] = {
      {"00:00:00", 0},
      {"01:02:03", 3723},
      {"1:02:03 ", 3723},
      {"123:00:01", 442801},
      {" 0:59:59", 3599},
      {"00:60:00", std::nullopt},
      {"00:00:60", std::nullopt},
      {"00:0:00", std::nullopt},
      {":00:00", std::nullopt},
      {"00:00", std::nullopt},
      {"aa:00:00", std::nullopt},
      {"00:00:0a", std::nullopt},
      {"0 :00:00", std::nullopt},
      {"", std::nullopt},
      {"1234567890:00:00", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParsePlayerTime(c.text), c.seconds) << c.text;
}

TEST(NameWithoutExtension, KeepsTheLastComponentsStem) {
  EXPECT_EQ(NameWithoutExtension("a/b\\c.d.jpg"), "c.d");
  EXPECT_EQ(NameWithoutExtension("slides/.hidden"), ".hidden");
  EXPECT_EQ(NameWithoutExtension("noext"), "noext");
  EXPECT_EQ(NameWithoutExtension("dir.x/noext"), "noext");
}

TEST(ClipNumbers, ConvertsEachClipFileOnceUnderItsFirstSegment) {
  SegmentTable table;
  for (auto [type, name] : std::vector<std::pair<char, const char*>>{{'P', "a.avi"},
                                                                     {'V', "a.avi"},
                                                                     {'V', "b.avi"},
                                                                     {'V', "a.avi"},
                                                                     {'H', "b.avi"},
                                                                     {'V', "A.avi"},
                                                                     {'V', "b.avi"}}) {
    table.Add({"", "", type, name});
  }
  EXPECT_EQ(ClipNumbers(table), (std::vector<int>{0, 2, 3, 2, 0, 6, 3}));
}

}  // namespace
}  // namespace orvello::core
