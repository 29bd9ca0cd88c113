#include "platform/working_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32_text.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

TEST(AbsolutePath, TheSystemMakesEveryPathAbsolute) {
  fs::path saved = fs::current_path();
  testing::ScopedTempDir temp;
  std::string temp_cp1250;
  ASSERT_TRUE(Cp1250FromWide(WideFromUtf8(temp.path()), &temp_cp1250));
  fs::create_directory(fs::u8path(temp.path() + "\\\xC4\x8D"
                                                "as"));  // "čas"
  fs::current_path(fs::u8path(temp.path() + "\\\xC4\x8D"
                                            "as"));
  const std::string here = temp_cp1250 +
                           "\\\xE8"
                           "as";
  const std::string drive = here.substr(0, 2);  // "C:"
  struct Case {
    std::string path;
    std::string absolute;
  } const cases[] = {
      {"", ""},
      {"C:\\lekcia\\a.rm", "C:\\lekcia\\a.rm"},
      {"C:/lekcia/./x/../a.rm", "C:\\lekcia\\a.rm"},
      {"Style", here + "\\Style"},
      {"Style\\", here + "\\Style\\"},
      {"..\\Producer", temp_cp1250 + "\\Producer"},
      {"\x8Atyl", here + "\\\x8Atyl"},  // "Štyl"
      {"\\lekcia", drive + "\\lekcia"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.absolute, AbsolutePath(c.path)) << c.path;

  fs::create_directory(fs::u8path(temp.path() + "\\\xE6\x97\xA5"));  // no Windows-1250 name
  fs::current_path(fs::u8path(temp.path() + "\\\xE6\x97\xA5"));
  EXPECT_EQ("Style", AbsolutePath("Style"));
  fs::current_path(saved);
}

}  // namespace
}  // namespace orvello::platform
