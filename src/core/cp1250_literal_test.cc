#include "core/cp1250_literal.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/encoding.h"

namespace orvello::core {
namespace {

// The literal is a plain char array with its terminating zero, so it goes where a literal goes.
static_assert(sizeof("Súbor"_cp1250) == 6);
static_assert(std::string_view("Súbor"_cp1250) ==
              "S\xFA"
              "bor");
static_assert(std::string_view("€ ‚ „ ˇ ˘"_cp1250) == "\x80 \x82 \x84 \xA1 \xA2");

TEST(Cp1250Literal, GivesTheBytesTheRunTimeConverterGives) {
  struct Case {
    std::string_view literal;
    const char* utf8;
  };
  const Case cases[] = {
      {"", ""},
      {"On line prednaska: OK"_cp1250, "On line prednaska: OK"},
      {"Časovanie"_cp1250, "Časovanie"},
      {"Uložiť súbor?"_cp1250, "Uložiť súbor?"},
      {"ĽŠČŤŽÝÁÍÉ ľščťžýáíéúäôň ĎďĹĺŔŕ"_cp1250, "ĽŠČŤŽÝÁÍÉ ľščťžýáíéúäôň ĎďĹĺŔŕ"},
      {"„úvodzovky“ – ‰ ™ •"_cp1250, "„úvodzovky“ – ‰ ™ •"},
      {"tab\there\r\n"_cp1250, "tab\there\r\n"},
  };
  for (const Case& c : cases) {
    std::string expected;
    ASSERT_TRUE(Utf8ToCp1250(c.utf8, &expected)) << c.utf8;
    EXPECT_EQ(expected, c.literal) << c.utf8;
  }
}

TEST(Cp1250Literal, KeepsAnEmbeddedZero) {
  constexpr auto& bytes = "a\0č"_cp1250;
  EXPECT_EQ(std::string("a\0\xE8", 3), std::string(bytes, sizeof(bytes) - 1));
}

}  // namespace
}  // namespace orvello::core
