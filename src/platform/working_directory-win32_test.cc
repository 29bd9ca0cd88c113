#include "platform/working_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

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

// The command line keeps a path from a drive's root as typed; every other path the system makes
// absolute, a network path too, which was once taken for a folder of the current drive.
TEST(AbsoluteUtf8Path, KeepsAPathFromADriveAsTypedAndMakesTheRestAbsolute) {
  fs::path saved = fs::current_path();
  testing::ScopedTempDir temp;
  const std::string here = temp.path() + "\\日";  // no Windows-1250 name
  fs::create_directory(fs::u8path(here));
  fs::current_path(fs::u8path(here));
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"C:/lekcia/./x/../a.rm", "C:\\lekcia\\.\\x\\..\\a.rm"},
      {"Style/x", here + "\\Style\\x"},
      {"..\\čas", temp.path() + "\\čas"},
      {"\\\\server\\share\\x\\..\\out", "\\\\server\\share\\out"},
      {"//server/share/out", "\\\\server\\share\\out"},
  };
  for (const auto& [path, absolute] : cases) EXPECT_EQ(absolute, AbsoluteUtf8Path(path)) << path;
  fs::current_path(saved);
}

}  // namespace
}  // namespace orvello::platform
