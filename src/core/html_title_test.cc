#include "core/html_title.h"

#include <gtest/gtest.h>

#include <string>

#include "core/io_error.h"
#include "test_util.h"

namespace orvello::core {
namespace {

TEST(HtmlTitle, TakesTheTitlesTextCollapsedAndDecoded) {
  const struct {
    const char* html;   // Windows-1250
    const char* title;  // UTF-8
  } cases[] = {
      {"<HTML><HEAD><TITLE>Prv\xE1 str\xE1nka</TITLE></HEAD>", "Prvá stránka"},
      {"<title lang=\"sk\">\r\n\t a  \r\n b \f</title>", "a b"},
      {"<Title>&amp;&lt;&gt;&quot;&#39;&apos;&#x10D;&#269;&#X1f600;</tItLe>",
       "&<>\"''čč\xF0\x9F\x98\x80"},
      {"<title>&nbsp;&amp &#xD800; &#0; &#x110000; &#;&#xZZ;</title>",
       "&nbsp;&amp \xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD &#;&#xZZ;"},
      {"<titles>x</titles><title>y</title>", "y"},
      {"<title><b>bold</b></title>", "<b>bold</b>"},
      {"<title>  </title>", ""},
      {"<title>never closed", ""},
      {"<title", ""},
      {"no title at all", ""},
      {"<title>\x80\x81</title>", "\xE2\x82\xAC\xC2\x81"},
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlTitle(c.html), c.title) << c.html;
}

TEST(ReadHtmlTitle, LooksOnlyIntoThePagesHead) {
  testing::MemoryDisk disk;
  disk.set_read_chunk(7);
  disk.AddFile("near.htm", std::string(kTitleSearchBytes - 20, ' ') + "<title>near</title>");
  disk.AddFile("far.htm", std::string(kTitleSearchBytes, ' ') + "<title>far</title>");
  EXPECT_EQ(ReadHtmlTitle(disk, "near.htm"), "near");
  EXPECT_EQ(ReadHtmlTitle(disk, "far.htm"), "");
  EXPECT_THROW(ReadHtmlTitle(disk, "none.htm"), IoError);
}

}  // namespace
}  // namespace orvello::core
