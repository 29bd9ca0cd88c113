#include "platform/real_disk.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/file_checks.h"
#include "core/io_error.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

/// The code of the IoError `action` throws, or 0 when it throws none.
int ErrorCodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const core::IoError& error) {
    return error.code();
  }
  return 0;
}

/// The names in `dir`, sorted.
std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class RealDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(Path("exists.txt"), "old contents");
    fs::create_directory(Path("sub"));
  }
  std::string Path(const std::string& name) const { return dir_.path() + "/" + name; }
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

  ScopedTempDir dir_;
  std::unique_ptr<core::DiskInterface> disk_ = MakeRealDisk();
};

enum class Open { kRead, kWrite, kReplace };

TEST_F(RealDiskTest, OpenErrorsMapToTheProgramsCodes) {
  const std::string too_long_name(300, 'a');
  std::string too_long_path;
  while (too_long_path.size() <= PATH_MAX) too_long_path += "d/";
  const struct {
    Open open;
    std::string name;  // under the temporary folder; "" is the empty path itself
    int code;
  } kCases[] = {
      {Open::kRead, "", 2},
      {Open::kWrite, "", 2},
      {Open::kReplace, "", 2},
      {Open::kRead, "missing.txt", 2},
      {Open::kRead, "nofolder/x.txt", 3},
      {Open::kWrite, "nofolder/x.txt", 3},
      {Open::kReplace, "nofolder/x.txt", 3},
      {Open::kRead, "exists.txt/x.txt", 3},
      {Open::kWrite, "exists.txt/x.txt", 3},
      {Open::kRead, "sub", 5},
      {Open::kWrite, "sub", 5},
      {Open::kReplace, "sub", 5},
      {Open::kRead, too_long_name, 3},
      {Open::kWrite, too_long_name, 3},
      {Open::kWrite, too_long_path + "x.txt", 3},
      {Open::kReplace, too_long_path + "x.txt", 3},
      {Open::kWrite, std::string("bad\0name", 8), 3},
  };
  for (const auto& c : kCases) {
    std::string path = c.name.empty() ? "" : Path(c.name);
    int code = ErrorCodeOf([&] {
      if (c.open == Open::kRead) disk_->OpenForRead(path);
      if (c.open == Open::kWrite) disk_->OpenForWrite(path);
      if (c.open == Open::kReplace) disk_->OpenForReplace(path);
    });
    EXPECT_EQ(c.code, code) << "open " << static_cast<int>(c.open) << " of "
                            << c.name.substr(0, 40);
  }
  // Nothing was created under a shortened name.
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, PathsLongerThanTheOldLimitAreUsedWhole) {
  std::string path = dir_.path();
  for (int depth = 0; depth < 4; ++depth) {
    path += "/" + std::string(90, 'a' + depth);
    fs::create_directory(path);
  }
  path += "/file.txt";
  WriteWhole(path, "deep");
  EXPECT_EQ("deep", ReadFileBytes(path));
}

TEST_F(RealDiskTest, MissingPermissionIsAccessDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root is never refused by permission bits";
  ::chmod(Path("exists.txt").c_str(), 0);
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForRead(Path("exists.txt")); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForWrite(Path("exists.txt")); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForReplace(Path("exists.txt")); }));
  ::chmod(Path("sub").c_str(), 0500);
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForWrite(Path("sub/new.txt")); }));
  ::chmod(Path("sub").c_str(), 0700);
}

TEST_F(RealDiskTest, PipesAreRefusedWithoutWaitingForAPeer) {
  // A pipe with nobody at the other end once blocked the open, and so the whole program.
  ASSERT_EQ(0, ::mkfifo(Path("pipe").c_str(), 0600));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForRead(Path("pipe")); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForWrite(Path("pipe")); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForReplace(Path("pipe")); }));
  EXPECT_FALSE(core::FileCanBeOpened(*disk_, Path("pipe")));
}

TEST_F(RealDiskTest, DevicesAreRefusedForReading) {
  // A timing file that was (a link to) /dev/zero once kept the run reading forever.
  ASSERT_EQ(0, ::symlink("/dev/zero", Path("zero.txt").c_str()));
  for (const std::string& path :
       {std::string("/dev/zero"), std::string("/dev/null"), Path("zero.txt")}) {
    EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForRead(path); })) << path;
    EXPECT_FALSE(core::FileCanBeOpened(*disk_, path)) << path;
  }
}

TEST_F(RealDiskTest, ErrorsNameTheirPathAsGiven) {
  const std::string missing = Path(
      "\xE8"
      "as/none.txt");  // "čas/none.txt"
  for (const auto& open : std::vector<std::function<void()>>{
           [&] { disk_->OpenForRead(missing); }, [&] { disk_->OpenForWrite(missing); },
           [&] { disk_->OpenForReplace(missing); }}) {
    try {
      open();
      ADD_FAILURE() << "no error";
    } catch (const core::IoError& error) {
      EXPECT_EQ(error.path(), missing);
      EXPECT_EQ(error.DisplayText(), "Invalid filename.");
    }
  }
  if (!fs::exists("/dev/full")) return;
  std::unique_ptr<core::OutputFile> file = disk_->OpenForWrite("/dev/full");
  try {
    file->Write("x", 1);
    ADD_FAILURE() << "no error";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.path(), "/dev/full");
  }
}

TEST_F(RealDiskTest, SameFolderMeansTheSameFolderHoweverSpelled) {
  ASSERT_EQ(0, ::symlink(dir_.path().c_str(), Path("link").c_str()));
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {
      {dir_.path(), dir_.path(), true},
      {dir_.path(), dir_.path() + "/", true},
      {dir_.path(), Path("sub/.."), true},
      {dir_.path(), Path("link"), true},
      {Path("link/sub"), Path("sub"), true},
      {dir_.path(), Path("sub"), false},
      {dir_.path(), Path("missing"), false},
      {Path("exists.txt"), Path("exists.txt"), false},
      {"", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(disk_->IsSameFolder(c.a, c.b), c.same) << c.a << " " << c.b;
}

TEST_F(RealDiskTest, AFolderLockKeepsOutOtherHoldersOnly) {
  ASSERT_EQ(0, ::symlink(Path("sub").c_str(), Path("link").c_str()));
  std::unique_ptr<core::FolderLock> first, second;
  ASSERT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("sub"), &first));
  EXPECT_EQ(core::LockStatus::kBusy, disk_->LockFolder(Path("link/"), &second));
  EXPECT_EQ(nullptr, second);
  WriteWhole(Path("sub/page.htm"), "still writable");
  EXPECT_EQ("still writable", ReadWhole(Path("sub/page.htm")));
  EXPECT_EQ((std::vector<std::string>{"page.htm"}), Listing(Path("sub"))) << "no lock file";
  first.reset();
  EXPECT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("link"), &second));
  EXPECT_EQ(core::LockStatus::kUnavailable, disk_->LockFolder(Path("missing"), &first));
  EXPECT_EQ(core::LockStatus::kUnavailable, disk_->LockFolder(Path("exists.txt"), &first));
  EXPECT_EQ(core::LockStatus::kUnavailable, disk_->LockFolder("", &first));
  EXPECT_EQ(nullptr, first);
}

TEST_F(RealDiskTest, FullDiskIsDiskFull) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  std::unique_ptr<core::OutputFile> file = disk_->OpenForWrite("/dev/full");
  EXPECT_EQ(101, ErrorCodeOf([&] { file->Write("x", 1); }));
}

TEST_F(RealDiskTest, ExhaustedDescriptorsAreTooManyOpenFiles) {
#ifdef ORVELLO_SANITIZED
  // The undefined-behaviour sanitizer checks each virtual call's object type with the help of a
  // pipe, which it cannot open once every descriptor is taken. The plain build runs this test.
  GTEST_SKIP() << "not under the sanitizers";
#endif
  rlimit saved;
  ASSERT_EQ(0, getrlimit(RLIMIT_NOFILE, &saved));
  int lowest_free = ::dup(0);
  ASSERT_GE(lowest_free, 0);
  ::close(lowest_free);
  rlimit lowered = saved;
  lowered.rlim_cur = static_cast<rlim_t>(lowest_free);
  ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &lowered));
  int read_code = ErrorCodeOf([&] { disk_->OpenForRead(Path("exists.txt")); });
  int write_code = ErrorCodeOf([&] { disk_->OpenForWrite(Path("new.txt")); });
  ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &saved));
  EXPECT_EQ(4, read_code);
  EXPECT_EQ(4, write_code);
}

TEST_F(RealDiskTest, WindowsNamesBecomeUtf8Names) {
  // "čas.txt"
  EXPECT_EQ(
      "\xC4\x8D"
      "as.txt",
      NativeFileName("\xE8"
                     "as.txt"));
  WriteWhole(Path("\xE8"
                  "as.txt"),
             "\xE8\r\n");
  EXPECT_EQ("\xE8\r\n", ReadFileBytes(Path("\xC4\x8D"
                                           "as.txt")));
  EXPECT_EQ("\xE8\r\n", ReadWhole(Path("\xE8"
                                       "as.txt")));
}

TEST_F(RealDiskTest, ReadsAndWritesEveryByteUnchanged) {
  std::string bytes;
  for (int round = 0; round < 3000; ++round) {
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
  }
  WriteWhole(Path("exists.txt"), bytes);
  EXPECT_EQ(bytes, ReadFileBytes(Path("exists.txt")));
  EXPECT_EQ(bytes, ReadWhole(Path("exists.txt"), 1000));
  EXPECT_EQ(bytes, ReadWhole(Path("exists.txt"), 1 << 20));
}

TEST_F(RealDiskTest, ClosedFilesRefuseFurtherUse) {
  std::unique_ptr<core::InputFile> input = disk_->OpenForRead(Path("exists.txt"));
  input->Close();
  char byte;
  EXPECT_EQ(103, ErrorCodeOf([&] { input->Read(&byte, 1); }));
  std::unique_ptr<core::OutputFile> output = disk_->OpenForWrite(Path("new.txt"));
  output->Close();
  EXPECT_EQ(103, ErrorCodeOf([&] { output->Write("x", 1); }));
}

TEST_F(RealDiskTest, ReplaceSwapsInTheNewVersionOnClose) {
  std::unique_ptr<core::OutputFile> file = disk_->OpenForReplace(Path("exists.txt"));
  file->Write("new", 3);
  EXPECT_EQ("old contents", ReadFileBytes(Path("exists.txt")));
  file->Close();
  EXPECT_EQ("new", ReadFileBytes(Path("exists.txt")));
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, ReplaceDroppedWithoutCloseLeavesTheOldVersion) {
  std::unique_ptr<core::OutputFile> file = disk_->OpenForReplace(Path("exists.txt"));
  file->Write("half a new", 10);
  file.reset();
  EXPECT_EQ("old contents", ReadFileBytes(Path("exists.txt")));
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));

  file = disk_->OpenForReplace(Path("new.txt"));
  file->Write("x", 1);
  file.reset();
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, ReplaceCreatesAMissingFileAndKeepsTheOldMode) {
  std::unique_ptr<core::OutputFile> file = disk_->OpenForReplace(Path("new.txt"));
  file->Write("first", 5);
  file->Close();
  EXPECT_EQ("first", ReadFileBytes(Path("new.txt")));

  ::chmod(Path("exists.txt").c_str(), 0604);
  file = disk_->OpenForReplace(Path("exists.txt"));
  file->Close();
  struct stat info;
  ASSERT_EQ(0, ::stat(Path("exists.txt").c_str(), &info));
  EXPECT_EQ(0604u, info.st_mode & 0777);
  EXPECT_EQ("", ReadFileBytes(Path("exists.txt")));
}

}  // namespace
}  // namespace orvello::platform
