#include "core/json_text.h"

#include <gtest/gtest.h>

namespace orvello::core {
namespace {

TEST(JsonString, WritesPrintableAsciiThatCannotEndAScriptBlock) {
  const struct {
    const char* utf8;
    const char* json;
  } cases[] = {
      {"plain name.jpg", "\"plain name.jpg\""},
      {"</script><!--<script>", "\"\\u003c/script\\u003e\\u003c!--\\u003cscript\\u003e\""},
      {"\"q\" \\b' &", "\"\\\"q\\\" \\\\b\\u0027 \\u0026\""},
      {"\x01\t\n\x1F\x7F", "\"\\u0001\\u0009\\u000a\\u001f\\u007f\""},
      {"tabuľka Š€", "\"tabu\\u013eka \\u0160\\u20ac\""},
      {"\xF0\x9F\x98\x80", "\"\\ud83d\\ude00\""},
      {"\xC3\x28 \xFF", "\"\\ufffd( \\ufffd\""},
      {"", "\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(JsonString(c.utf8), c.json) << c.utf8;
}

}  // namespace
}  // namespace orvello::core
