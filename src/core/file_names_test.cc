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
  for (const Case& c : cases) {
    EXPECT_EQ(SameNameIgnoringCase(c.a, c.b), c.same) << c.a;
    EXPECT_EQ(UpperCaseName(c.a) == UpperCaseName(c.b), c.same) << c.a;
  }
}

TEST(LastSeparator, FindsTheLastSeparatorOfEitherKind) {
  constexpr size_t kNone = std::string_view::npos;
  const std::pair<std::string_view, size_t> cases[] = {
      {"a.jpg", kNone}, {"sub/a.jpg", 3}, {"sub\\a.jpg", 3}, {"x/y\\z", 3},
      {"sub/", 3},      {"/", 0},         {"", kNone},
  };
  for (const auto& [name, at] : cases) EXPECT_EQ(LastSeparator(name), at) << name;
}

// What the run's rules check and what the Windows runner's copy writes is this one name.
TEST(LastComponent, CutsAtTheLastSeparatorOrADriveButNeverAtAStream) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"a.jpg", "a.jpg"},
      {"sub/a.jpg", "a.jpg"},
      {"C:\\lect\\sub/a.jpg", "a.jpg"},
      {"C:a.jpg", "a.jpg"},
      {"ab:proces.bat", "ab:proces.bat"},
      {"sub\\ab:c:d", "ab:c:d"},
      {"1:a.jpg", "1:a.jpg"},
      {"sub/", ""},
      {"", ""},
  };
  for (const auto& [name, last] : cases) EXPECT_EQ(LastComponent(name), last) << name;
}

}  // namespace
}  // namespace orvello::core
