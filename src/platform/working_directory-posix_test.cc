#include "platform/working_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

TEST(AbsolutePath, PutsTheWorkingDirectoryBeforeRelativePathsOnly) {
  fs::path saved = fs::current_path();
  testing::ScopedTempDir temp;
  fs::create_directory(fs::u8path(temp.path() + "/\xC4\x8D"
                                                "as"));  // "čas"
  fs::current_path(fs::u8path(temp.path() + "/\xC4\x8D"
                                            "as"));
  const std::string here = temp.path() +
                           "/\xE8"
                           "as";
  struct Case {
    std::string path;
    std::string absolute;
  };
  const Case cases[] = {
      {"", ""},
      {"/lekcia/a.rm", "/lekcia/a.rm"},
      {"Style", here + "/Style"},
      {"../Producer/", here + "/../Producer/"},
      {"\x8Atyl", here + "/\x8Atyl"},  // "Štyl"
  };
  for (const Case& c : cases) EXPECT_EQ(c.absolute, AbsolutePath(c.path)) << c.path;

  fs::create_directory(fs::u8path(temp.path() + "/\xE6\x97\xA5"));  // no Windows-1250 name
  fs::current_path(fs::u8path(temp.path() + "/\xE6\x97\xA5"));
  EXPECT_EQ("Style", AbsolutePath("Style"));
  fs::current_path(saved);
}

TEST(AbsoluteUtf8Path, TakesAWorkingDirectoryOfAnyCharacters) {
  fs::path saved = fs::current_path();
  testing::ScopedTempDir temp;
  const std::string here = temp.path() + "/日";  // no Windows-1250 name
  fs::create_directory(fs::u8path(here));
  fs::current_path(fs::u8path(here));
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"/lekcia/./a.rm", "/lekcia/./a.rm"},
      {"Style", here + "/Style"},
      {"../čas", here + "/../čas"},
  };
  for (const auto& [path, absolute] : cases) EXPECT_EQ(absolute, AbsoluteUtf8Path(path)) << path;
  fs::current_path(saved);
}

}  // namespace
}  // namespace orvello::platform
