#include "ui/toolkit/win32/win32_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1250_literal.h"

namespace orvello::ui::win32 {
namespace {

TEST(Win32Text, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string back;
  ASSERT_TRUE(FromWide(ToWide(all), &back));
  EXPECT_EQ(all, back);
  EXPECT_EQ(L"Časovanie súbor ďalší", ToWide("Časovanie súbor ďalší"_cp1250));
}

TEST(Win32Text, RefusesAndReplacesWhatTheCodePageLacks) {
  struct Case {
    std::wstring text;
    bool holds;
    std::string replaced;
  };
  const Case cases[] = {
      {L"Štart", true, "Štart"_cp1250},      {L"a\u65E5b", false, "a?b"},  // CJK in the middle
      {L"\U0001F600c", false, "?c"},          // one emoji is one '?', not two
      {L"x\xDC00y", false, "x?y"},            // a lone half of a pair
      {L"\u00E9\u00E8", false, "é?"_cp1250},  // é is in the code page, è is not
  };
  for (const Case& c : cases) {
    std::string converted;
    EXPECT_EQ(c.holds, FromWide(c.text, &converted));
    EXPECT_EQ(c.replaced, FromWideReplacing(c.text));
    bool each_holds = true;
    for (wchar_t unit : c.text) each_holds = each_holds && Cp1250Holds(unit);
    EXPECT_EQ(c.holds, each_holds);
  }
}

}  // namespace
}  // namespace orvello::ui::win32
