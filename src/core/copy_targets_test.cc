#include "core/copy_targets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/file_names.h"
#include "lecture_state.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;
using testing::RunStateFor;

// Once `a/x.jpg` and `b/x.jpg` both landed on `out/x.jpg`; now each keeps its sub-folder, so only
// names that Windows takes for one place still meet.
TEST(CopyClashFinder, RefusesNamesThatLandOnOnePlace) {
  const struct {
    char type;
    std::string name;
    int clashes_with;  // 0: fine, -1: its first folder is named like a file the run writes
  } cases[] = {
      {'P', "a/X.jpg", 0},
      {'P', "A\\x.jpg", 1},
      {'P', "a/X.jpg", 0},  // the same slide again
      {'P', "b/x.jpg", 0},
      {'P', "X.jpg", 0},
      {'P', "x.jpg", 5},
      {'H', "x.JPG", 0},  // never copied
      {'P', "c/./d.jpg", 0},
      {'P', "C//D.jpg. ", 8},
      {'V', "a", 1},            // a file where a folder is
      {'P', "X.jpg/y.jpg", 5},  // a folder where a file is
      {'P', "Sub/e.jpg", 0},
      {'P', "sub/f.jpg", 0},  // one folder on Windows, two elsewhere: either way no clash
      {'P', "p01.htm/y.jpg", -1},
      {'P', "A.RM/y.jpg", -1},
      {'P', "c.jpg/", 0},  // names no file, so it copies none
      {'P', "a/", 0},
      {'P', "", 0},
      {'P', std::string(kLongestPath + 1, 'x'), 0},  // names no file anywhere
      {'P', std::string(kLongestPath + 1, 'X'), 0},
  };
  CopyClashFinder finder("a.rm");
  std::vector<Segment> segments;
  segments.reserve(std::size(cases));
  std::vector<std::string> found, expected;
  for (const auto& c : cases) {
    segments.push_back({"00:00:00", "00:00:01", c.type, c.name});
    int number = static_cast<int>(segments.size());
    if (auto reason = finder.Add(segments.back(), number))
      found.push_back(std::to_string(number) + ": " + Cp1250ToUtf8(*reason));
    std::string shown = "Súbor segmentu " + std::to_string(number) + " „" + c.name + "“ ";
    if (c.clashes_with > 0) {
      expected.push_back(std::to_string(number) + ": " + shown +
                         "sa skopíruje na to isté miesto ako súbor segmentu " +
                         std::to_string(c.clashes_with) + ".");
    } else if (c.clashes_with < 0) {
      expected.push_back(std::to_string(number) + ": " + shown +
                         "má rovnaké meno ako súbor, ktorý zapisuje spracovanie.");
    }
  }
  EXPECT_EQ(found, expected);
}

TEST(CreateCopySubFolders, CreatesEachSubFolderOnceParentsFirst) {
  const std::vector<Segment> segments = {
      {"00:00:00", "00:00:01", 'P', "slides/a.jpg"}, {"00:00:01", "00:00:02", 'P', "slides/b.jpg"},
      {"00:00:02", "00:00:03", 'V', "x//y/z.avi"},   {"00:00:03", "00:00:04", 'P', "./c.jpg"},
      {"00:00:04", "00:00:05", 'P', "plain.jpg"},    {"00:00:05", "00:00:06", 'H', "pages/p.htm"},
      {"00:00:06", "00:00:07", 'P', "w\\v.jpg"},     {"00:00:07", "00:00:08", 'P', "no/file/"},
  };
  MemoryDisk posix('/');
  CreateCopySubFolders(posix, RunStateFor({"/l/a.rm", "", "", "", "/out"}, '/', segments));
  // A backslash is a name's own character on POSIX systems.
  EXPECT_EQ(posix.created_folders(),
            (std::vector<std::string>{"/out/slides", "/out/x", "/out/x/y"}));
  MemoryDisk windows('\\');
  CreateCopySubFolders(windows,
                       RunStateFor({"C:\\l\\a.rm", "", "", "", "C:\\out"}, '\\', segments));
  EXPECT_EQ(windows.created_folders(), (std::vector<std::string>{"C:\\out\\slides", "C:\\out\\x",
                                                                 "C:\\out\\x\\y", "C:\\out\\w"}));
  EXPECT_TRUE(windows.created().empty());
}

}  // namespace
}  // namespace orvello::core
