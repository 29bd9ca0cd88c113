#include "core/file_names.h"

#include <gtest/gtest.h>

#include <string_view>

namespace orvello::core {
namespace {

TEST(SameNameIgnoringCase, FoldsWindows1250Letters) {
  struct Case {
    std::string_view a, b;
    bool same;
  } cases[] = {
      {"Skus.txt", "skus.txt", true},
      {"KOPIRUJ.BAT", "kopiruj.bat", true},
      {"\x8At\xFA"
       "dium",
       "\x9A"
       "T\xDA"
       "DIUM",
       true},  // "Štúdium", "šTÚDIUM"
      {"\xBC\xA5\xA3\xAA\xAF\x8C\x8D\x8E\x8F\xC8", "\xBE\xB9\xB3\xBA\xBF\x9C\x9D\x9E\x9F\xE8",
       true},                   // "ĽĄŁŞŻŚŤŽŹČ", "ľąłşżśťžźč"
      {"\xD7", "\xF7", false},  // "×", "÷"
      {"\xDF", "\xFF", false},  // "ß", "˙"
      {"a.txt", "b.txt", false},
      {"a.txt", "a.txt ", false},
      {"[", "{", false},
  };
  for (const Case& c : cases) EXPECT_EQ(SameNameIgnoringCase(c.a, c.b), c.same) << c.a;
}

TEST(LastComponent, TakesWhatFollowsTheLastSeparatorOfEitherKind) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"a.jpg", "a.jpg"}, {"sub/a.jpg", "a.jpg"}, {"sub\\a.jpg", "a.jpg"},
      {"x/y\\z", "z"},    {"sub/", ""},           {"", ""},
  };
  for (const auto& [name, last] : cases) EXPECT_EQ(LastComponent(name), last) << name;
}

}  // namespace
}  // namespace orvello::core
