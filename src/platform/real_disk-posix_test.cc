#include "platform/real_disk.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_checks.h"
#include "real_disk_test.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

using testing::ReadFileBytes;

TEST_F(RealDiskTest, TooLongNamesAndPathsAreInvalidFilenames) {
  const std::string too_long_name(300, 'a');
  std::string too_long_path;
  while (too_long_path.size() <= PATH_MAX) too_long_path += "d/";
  const struct {
    Open open;
    std::string name;
  } kCases[] = {
      {Open::kRead, too_long_name},
      {Open::kWrite, too_long_name},
      {Open::kWrite, too_long_path + "x.txt"},
      {Open::kReplace, too_long_path + "x.txt"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(3, ErrorCodeOf([&] { OpenThere(*disk_, c.open, Path(c.name)); }))
        << "open " << static_cast<int>(c.open) << " of " << c.name.substr(0, 40);
  }
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
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

TEST_F(RealDiskTest, WriteErrorsNameTheirPath) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  std::unique_ptr<core::OutputFile> file = disk_->OpenForWrite("/dev/full");
  try {
    file->Write("x", 1);
    ADD_FAILURE() << "no error";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.path(), "/dev/full");
  }
}

TEST_F(RealDiskTest, SameFolderThroughASymbolicLink) {
  ASSERT_EQ(0, ::symlink(dir_.path().c_str(), Path("link").c_str()));
  EXPECT_TRUE(disk_->IsSameFolder(dir_.path(), Path("link")));
  EXPECT_TRUE(disk_->IsSameFolder(Path("link/sub"), Path("sub")));
}

TEST_F(RealDiskTest, AFolderLockHoldsThroughASymbolicLink) {
  ASSERT_EQ(0, ::symlink(Path("sub").c_str(), Path("link").c_str()));
  std::unique_ptr<core::FolderLock> first, second;
  ASSERT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("sub"), &first));
  EXPECT_EQ(core::LockStatus::kBusy, disk_->LockFolder(Path("link/"), &second));
  first.reset();
  EXPECT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("link"), &second));
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

// A lecture folder may ship the folder it is published into, with links in it: a page, the probe
// (even in a run that is then refused) or a temporary file named like a link once wrote through
// it into the file it points to.
TEST_F(RealDiskTest, AWriteReplacesALinkAtItsNameInsteadOfFollowingIt) {
  testing::WriteFileBytes(Path("victim.txt"), "precious");
  const std::string victim = Path("victim.txt");
  for (const char* name : {"p01.htm", "sub/Skus.txt", "data.txt", "data.txt.orvello-tmp"})
    ASSERT_EQ(0, ::symlink(victim.c_str(), Path(name).c_str())) << name;
  ASSERT_EQ(0, ::symlink(Path("elsewhere.txt").c_str(), Path("dangling.htm").c_str()));
  WriteWhole(Path("p01.htm"), "page");
  WriteWhole(Path("dangling.htm"), "page");
  EXPECT_TRUE(core::ProbeOutputDir(*disk_, Path("sub")));
  std::unique_ptr<core::OutputFile> settings = disk_->OpenForReplace(Path("data.txt"));
  settings->Write("settings", 8);
  settings->Close();
  EXPECT_EQ("precious", ReadFileBytes(victim));
  EXPECT_FALSE(fs::exists(Path("elsewhere.txt")));
  for (const char* name : {"p01.htm", "dangling.htm", "sub/Skus.txt", "data.txt"})
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Path(name)))) << name;
  EXPECT_EQ("page", ReadFileBytes(Path("p01.htm")));
  EXPECT_EQ("", ReadFileBytes(Path("sub/Skus.txt")));
  EXPECT_EQ("settings", ReadFileBytes(Path("data.txt")));
}

// A link in the place of a sub-folder the run creates would lead the copies elsewhere.
TEST_F(RealDiskTest, CreateFolderRefusesALinkInItsPlace) {
  ASSERT_EQ(0, ::symlink(Path("sub").c_str(), Path("link").c_str()));
  ASSERT_EQ(0, ::symlink(Path("nowhere").c_str(), Path("dangling").c_str()));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->CreateFolder(Path("link")); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->CreateFolder(Path("dangling")); }));
  EXPECT_FALSE(fs::exists(Path("nowhere")));
  EXPECT_TRUE(fs::is_symlink(Path("link")));
}

TEST_F(RealDiskTest, ReplaceKeepsTheOldMode) {
  ::chmod(Path("exists.txt").c_str(), 0604);
  std::unique_ptr<core::OutputFile> file = disk_->OpenForReplace(Path("exists.txt"));
  file->Close();
  struct stat info;
  ASSERT_EQ(0, ::stat(Path("exists.txt").c_str(), &info));
  EXPECT_EQ(0604u, info.st_mode & 0777);
  EXPECT_EQ("", ReadFileBytes(Path("exists.txt")));
}

}  // namespace
}  // namespace orvello::platform
