#include "ui/toolkit/qt/qt_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvello::ui::qt {
namespace {

TEST(QtText, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string back;
  ASSERT_TRUE(FromQString(ToQString(all), &back));
  EXPECT_EQ(all, back);
}

TEST(QtText, SlovakLettersMapToTheirCodePageBytes) {
  // "Časovanie súbor ďalší"
  EXPECT_EQ(QString::fromUtf8("\xC4\x8C"
                              "asovanie s\xC3\xBA"
                              "bor \xC4\x8F"
                              "al\xC5\xA1\xC3\xAD"),
            ToQString("\xC8"
                      "asovanie s\xFA"
                      "bor \xEF"
                      "al\x9A\xED"));
}

TEST(QtText, RefusesCharactersTheCodePageLacks) {
  struct Case {
    const char* utf8;
    bool holds;
    const char* replaced;
  };
  const Case cases[] = {
      {"plain", true, "plain"},
      {"\xC5\xA0tart", true, "\x8Atart"},  // "Štart"
      {"a\xE6\x97\xA5"
       "b",
       false, "a?b"},  // CJK in the middle
      {"\xF0\x9F\x98\x80"
       "c",
       false, "?c"},                         // one emoji is one '?', not two
      {"\xC3\xA9\xC3\xA8", false, "\xE9?"},  // é is in the code page, è is not
  };
  for (const Case& c : cases) {
    QString text = QString::fromUtf8(c.utf8);
    EXPECT_EQ(c.holds, Cp1250Holds(text)) << c.utf8;
    EXPECT_EQ(c.replaced, FromQStringReplacing(text)) << c.utf8;
  }
}

}  // namespace
}  // namespace orvello::ui::qt
