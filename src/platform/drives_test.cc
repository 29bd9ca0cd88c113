#include "platform/drives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/encoding.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

TEST(ListDrives, ListsExistingRootsOnceAndTheWorkingDirectorysAmongThem) {
  std::vector<std::string> drives = ListDrives();
  ASSERT_FALSE(drives.empty());
  std::set<std::string> seen;
  for (const std::string& drive : drives) {
    std::string utf8 = core::Cp1250ToUtf8(drive);
    EXPECT_TRUE(fs::is_directory(fs::u8path(utf8))) << utf8;
    EXPECT_TRUE(seen.insert(drive).second) << utf8 << " is listed twice";
  }
  std::u8string cwd = fs::current_path().u8string();
  std::string here(cwd.begin(), cwd.end());
  bool found = std::any_of(drives.begin(), drives.end(), [&](const std::string& drive) {
    std::string utf8 = core::Cp1250ToUtf8(drive);
    return here.compare(0, utf8.size(), utf8) == 0;
  });
  EXPECT_TRUE(found) << here << " lies on none of the drives";
}

}  // namespace
}  // namespace orvello::platform
