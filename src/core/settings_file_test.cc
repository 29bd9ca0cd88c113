#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/io_error.h"
#include "test_util.h"

namespace orvello::core {
namespace {

using testing::MemoryDisk;

// A 300 MB line once crashed the desktop program at start-up. The line is read up to the bound
// and the rest skipped, so the producer line after it is still found.
TEST(LoadSettings, CutsALineLongerThanAnyPath) {
  const std::string longest(kLongestSetting, 's');
  const struct {
    std::string bytes, style, producer;
  } cases[] = {
      {longest + "\r\nProducer", longest, "Producer"},
      {longest + "cut off" + std::string(1 << 20, 'x') + "\r\nProducer", longest, "Producer"},
      {"Style\r\n" + longest + std::string(1 << 20, 'p') + "\r\nignored", "Style", longest},
      {std::string(3 << 20, 'x'), std::string(kLongestSetting, 'x'), ""},
  };
  for (const auto& c : cases) {
    MemoryDisk disk;
    disk.AddFile("Style\\data.txt", c.bytes);
    Settings settings = LoadSettings(disk, "Style\\data.txt");
    EXPECT_EQ(settings.style.size(), c.style.size());
    EXPECT_EQ(settings.style, c.style);
    EXPECT_EQ(settings.producer, c.producer);
  }
}

TEST(SaveSettings, WritesTwoLinesThroughATemporaryFile) {
  MemoryDisk disk;
  disk.AddFile("S\\data.txt", "old");
  SaveSettings(disk, "S\\data.txt", {"C:\\site\\Style", "C:\\Real"});
  EXPECT_EQ(disk.journal(), std::vector<std::string>{"replace S\\data.txt"});
  EXPECT_EQ(disk.Contents("S\\data.txt"), "C:\\site\\Style\r\nC:\\Real");
  Settings loaded = LoadSettings(disk, "S\\data.txt");
  EXPECT_EQ(loaded.style, "C:\\site\\Style");
  EXPECT_EQ(loaded.producer, "C:\\Real");

  disk.FailWriteAfter("S\\data.txt", 3, kDiskFull);
  EXPECT_THROW(SaveSettings(disk, "S\\data.txt", {"Style", "P"}), IoError);
  EXPECT_EQ(disk.Contents("S\\data.txt"), "C:\\site\\Style\r\nC:\\Real") << "the old file stays";
}

}  // namespace
}  // namespace orvello::core
