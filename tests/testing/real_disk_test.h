#ifndef ORVELLO_TESTS_TESTING_REAL_DISK_TEST_H_
#define ORVELLO_TESTS_TESTING_REAL_DISK_TEST_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/io_error.h"
#include "platform/real_disk.h"
#include "test_util.h"

namespace orvello::platform {

/// The code of the IoError `action` throws, or 0 when it throws none.
inline int ErrorCodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const core::IoError& error) {
    return error.code();
  }
  return 0;
}

/// The names in `dir` (UTF-8), sorted.
inline std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(dir))) {
    std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  std::sort(names.begin(), names.end());
  return names;
}

/// A temporary folder holding the file "exists.txt" and the folder "sub", and the machine's disk.
class RealDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteFileBytes(Path("exists.txt"), "old contents");
    std::filesystem::create_directory(std::filesystem::u8path(Path("sub")));
  }
  /// `name` in the temporary folder; an ASCII name is the same in Windows-1250 and UTF-8.
  std::string Path(const std::string& name) const { return dir_.path() + kPathSeparator + name; }
  void WriteWhole(const std::string& path, const std::string& bytes) {
    std::unique_ptr<core::OutputFile> file = disk_->OpenForWrite(path);
    file->Write(bytes.data(), bytes.size());
    file->Close();
  }
  std::string ReadWhole(const std::string& path, size_t block = 7) {
    std::unique_ptr<core::InputFile> file = disk_->OpenForRead(path);
    std::string bytes(block, '\0');
    std::string all;
    while (size_t count = file->Read(bytes.data(), block)) all.append(bytes, 0, count);
    file->Close();
    return all;
  }

  testing::ScopedTempDir dir_;
  std::unique_ptr<core::DiskInterface> disk_ = MakeRealDisk();
};

enum class Open { kRead, kWrite, kReplace };

/// Opens `path` on `disk` the way `open` names.
inline void OpenThere(core::DiskInterface& disk, Open open, const std::string& path) {
  if (open == Open::kRead) disk.OpenForRead(path);
  if (open == Open::kWrite) disk.OpenForWrite(path);
  if (open == Open::kReplace) disk.OpenForReplace(path);
}

}  // namespace orvello::platform

#endif  // ORVELLO_TESTS_TESTING_REAL_DISK_TEST_H_
