#include "core/encoding.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/cp1250_code_page.h"

namespace orvello::core {
namespace {

TEST(Encoding, ConvertsSlovakTextBothWays) {
  const std::string cp1250 =
      "\xC8"
      "asovanie \xFA\xE1\xE4\xF4\x9E\x9A\xBE\x9D\xF2\xEF \x8A\x8E\xBC\x8D\xCF";
  const std::string utf8 = "Časovanie úáäôžšľťňď ŠŽĽŤĎ";
  EXPECT_EQ(Cp1250ToUtf8(cp1250), utf8);
  std::string back;
  ASSERT_TRUE(Utf8ToCp1250(utf8, &back));
  EXPECT_EQ(back, cp1250);
}

TEST(Encoding, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string back;
  ASSERT_TRUE(Utf8ToCp1250(Cp1250ToUtf8(all), &back));
  EXPECT_EQ(back, all);
}

TEST(Encoding, TheCodePageLeavesFiveBytesUndefined) {
  std::string undefined;
  for (int b = 0; b < 256; ++b) {
    if (!Cp1250Defines(static_cast<char>(b))) undefined.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(undefined, "\x81\x83\x88\x90\x98");
}

TEST(Encoding, RefusesWhatWindows1250CannotHold) {
  const char* refused[] = {
      "\xE2\x82\xAC\xE4\xB8\xAD",  // a Chinese character after the euro sign
      "\xC3\xB1",                  // ñ
      "\xF0\x9F\x98\x80",          // an emoji
      "\xC3",                      // truncated sequence
      "\xC0\xAF",                  // overlong slash
      "\xED\xA0\x80",              // a surrogate
      "\xFF",                      // not UTF-8 at all
  };
  for (const char* text : refused) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1250(text, &out)) << text;
  }
}

TEST(Encoding, TellsUtf8FromOtherBytes) {
  const std::pair<const char*, bool> cases[] = {
      {"", true},
      {"slide 01.jpg", true},
      {"tabu\xC4\xBEka.htm", true},
      {"\xE4\xB8\xAD", true},
      {"tabu\xBEka.htm", false},
      {"\xC3", false},
      {"\xC0\xAF", false},
      {"\xED\xA0\x80", false},
      {"a\xFF", false},
  };
  for (const auto& [text, utf8] : cases) EXPECT_EQ(IsUtf8(text), utf8) << text;
}

}  // namespace
}  // namespace orvello::core
