#include "ui/toolkit/qt/qt_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1250_literal.h"

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
  EXPECT_EQ(QString::fromUtf8("Časovanie súbor ďalší"), ToQString("Časovanie súbor ďalší"_cp1250));
}

TEST(QtText, RefusesCharactersTheCodePageLacks) {
  struct Case {
    const char* utf8;
    bool holds;
    const char* replaced;
  };
  const Case cases[] = {
      {"plain", true, "plain"},   {"Štart", true, "Štart"_cp1250},
      {"a日b", false, "a?b"},     {"😀c", false, "?c"},  // one emoji is one '?', not two
      {"éè", false, "é?"_cp1250},                       // é is in the code page, è is not
  };
  for (const Case& c : cases) {
    QString text = QString::fromUtf8(c.utf8);
    EXPECT_EQ(c.holds, Cp1250Holds(text)) << c.utf8;
    EXPECT_EQ(c.replaced, FromQStringReplacing(text)) << c.utf8;
  }
}

}  // namespace
}  // namespace orvello::ui::qt
