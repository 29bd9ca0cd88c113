#include "core/file_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"

namespace orvello::core {
namespace {

TEST(FileChecks, ProbesForReadingAnswerAsTheOpenWould) {
  testing::MemoryDisk disk;
  disk.AddFile("M\\a.rm", "RMF");
  disk.AddFile("M\\in-use.rm", "RMF");
  disk.FailOpenFor("M\\in-use.rm", 32);
  const struct {
    std::string path;
    ProbeStatus status;
    int code;
  } kCases[] = {
      {"M\\a.rm", ProbeStatus::kOkay, 0},
      {"M\\none.rm", ProbeStatus::kNotFound, kFileNotFound},
      {"M\\in-use.rm", ProbeStatus::kOtherError, 32},
      {"", ProbeStatus::kNotFound, kFileNotFound},
  };
  for (const auto& c : kCases) {
    int code = -1;
    EXPECT_EQ(disk.Probe(c.path, ProbeAccess::kRead, &code), c.status) << c.path;
    EXPECT_EQ(code, c.code) << c.path;
    EXPECT_EQ(OpenForReadError(disk, c.path), c.code) << c.path;
    EXPECT_EQ(FileCanBeOpened(disk, c.path), c.code == 0) << c.path;
  }
  EXPECT_TRUE(disk.created().empty());
  EXPECT_EQ(disk.journal().size(), 11u) << "three probes of each named path, two of the empty one";
}

TEST(FileChecks, TheOutputFolderProbeLeavesAnEmptyProbeFile) {
  testing::MemoryDisk disk;
  disk.AddFile("O\\Skus.txt", "old");
  disk.FailCloseFor("F\\Skus.txt", kDiskFull);
  disk.FailOpenFor("R\\Skus.txt", kFileAccessDenied);
  EXPECT_TRUE(ProbeOutputDir(disk, "O"));
  EXPECT_EQ(disk.Contents("O\\Skus.txt"), "");
  EXPECT_FALSE(ProbeOutputDir(disk, "F"));
  EXPECT_FALSE(ProbeOutputDir(disk, "R"));
  EXPECT_FALSE(ProbeOutputDir(disk, ""));
  EXPECT_EQ(disk.created(), (std::vector<std::string>{"O\\Skus.txt", "F\\Skus.txt"}));
  EXPECT_EQ(disk.journal(), (std::vector<std::string>{"write O\\Skus.txt", "write F\\Skus.txt",
                                                      "write R\\Skus.txt"}));
}

}  // namespace
}  // namespace orvello::core
