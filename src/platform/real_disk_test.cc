#include "platform/real_disk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/io_error.h"
#include "real_disk_test.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace orvello::platform {
namespace {

using testing::ReadFileBytes;

TEST_F(RealDiskTest, OpenErrorsMapToTheProgramsCodes) {
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
      {Open::kWrite, std::string("bad\0name", 8), 3},
  };
  for (const auto& c : kCases) {
    std::string path = c.name.empty() ? "" : Path(c.name);
    EXPECT_EQ(c.code, ErrorCodeOf([&] { OpenThere(*disk_, c.open, path); }))
        << "open " << static_cast<int>(c.open) << " of " << c.name.substr(0, 40);
  }
  // Nothing was created under a shortened name.
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, ProbeAnswersAsTheOpenWouldWithoutThrowing) {
  using core::ProbeAccess;
  using core::ProbeStatus;
  const fs::path readonly = testing::HostPath(Path("readonly.txt"));
  testing::WriteFileBytes(Path("readonly.txt"), "kept");
  fs::permissions(readonly, fs::perms::none);
  // Root, and Wine run by root, write through missing permissions.
  const bool refused = !std::ofstream(readonly, std::ios::app);
  struct Case {
    ProbeAccess access;
    std::string name;  // under the temporary folder; "" is the empty path itself
    ProbeStatus status;
    int code;
  };
  std::vector<Case> cases = {
      {ProbeAccess::kRead, "exists.txt", ProbeStatus::kOkay, 0},
      {ProbeAccess::kRead, "missing.txt", ProbeStatus::kNotFound, 2},
      {ProbeAccess::kRead, "nofolder/x.txt", ProbeStatus::kNotFound, 3},
      {ProbeAccess::kRead, "", ProbeStatus::kNotFound, 2},
      {ProbeAccess::kRead, "sub", ProbeStatus::kOtherError, 5},
      {ProbeAccess::kWrite, "new.txt", ProbeStatus::kOkay, 0},
      {ProbeAccess::kWrite, "nofolder/x.txt", ProbeStatus::kNotFound, 3},
      {ProbeAccess::kWrite, "sub", ProbeStatus::kOtherError, 5},
  };
  if (refused) cases.push_back({ProbeAccess::kWrite, "readonly.txt", ProbeStatus::kOtherError, 5});
  for (const Case& c : cases) {
    const std::string path = c.name.empty() ? "" : Path(c.name);
    int code = -1;
    EXPECT_EQ(disk_->Probe(path, c.access, &code), c.status) << c.name.substr(0, 40);
    EXPECT_EQ(code, c.code) << c.name.substr(0, 40);
    Open open = c.access == ProbeAccess::kRead ? Open::kRead : Open::kWrite;
    EXPECT_EQ(code, ErrorCodeOf([&] { OpenThere(*disk_, open, path); })) << c.name.substr(0, 40);
  }
  fs::permissions(readonly, fs::perms::owner_all);
  EXPECT_EQ("", ReadFileBytes(Path("new.txt")));
  EXPECT_EQ("kept", ReadFileBytes(Path("readonly.txt")));
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "new.txt", "readonly.txt", "sub"}),
            Listing(dir_.path()));
}

// A name longer than any file system takes: 3 on POSIX systems, 123 or 206 on Windows, 2 under
// Wine.
TEST_F(RealDiskTest, ProbeFailsATooLongNameAsItsOpenDoes) {
  const std::string path = Path(std::string(300, 'a'));
  for (Open open : {Open::kRead, Open::kWrite}) {
    int code = 0;
    core::ProbeStatus status = disk_->Probe(
        path, open == Open::kRead ? core::ProbeAccess::kRead : core::ProbeAccess::kWrite, &code);
    EXPECT_NE(status, core::ProbeStatus::kOkay);
    EXPECT_EQ(status, core::ProbeStatusFor(code));
    EXPECT_EQ(code, ErrorCodeOf([&] { OpenThere(*disk_, open, path); }));
  }
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, PathsLongerThanTheOldLimitAreUsedWhole) {
  std::string path = dir_.path();
  for (int depth = 0; depth < 4; ++depth) {
    path += kPathSeparator + std::string(90, static_cast<char>('a' + depth));
    fs::create_directory(fs::u8path(path));
  }
  path += kPathSeparator + std::string("file.txt");
  WriteWhole(path, "deep");
  EXPECT_EQ("deep", ReadFileBytes(path));
  EXPECT_EQ("deep", ReadWhole(path));
}

TEST_F(RealDiskTest, ErrorsNameTheirPathAsGiven) {
  const std::string missing = Path(
      "\xE8"
      "as/none.txt");  // "čas/none.txt"
  for (Open open : {Open::kRead, Open::kWrite, Open::kReplace}) {
    try {
      OpenThere(*disk_, open, missing);
      ADD_FAILURE() << "no error";
    } catch (const core::IoError& error) {
      EXPECT_EQ(error.path(), missing);
      EXPECT_EQ(error.DisplayText(), "Invalid filename.");
    }
  }
  std::unique_ptr<core::InputFile> input = disk_->OpenForRead(Path("exists.txt"));
  input->Close();
  char byte;
  try {
    input->Read(&byte, 1);
    ADD_FAILURE() << "no error";
  } catch (const core::IoError& error) {
    EXPECT_EQ(error.path(), Path("exists.txt"));
  }
}

TEST_F(RealDiskTest, CreateFolderMakesAFolderAndKeepsOneThatIsThere) {
  disk_->CreateFolder(Path("new"));
  EXPECT_TRUE(fs::is_directory(fs::u8path(Path("new"))));
  testing::WriteFileBytes(Path("sub/kept.txt"), "kept");
  disk_->CreateFolder(Path("sub"));
  EXPECT_EQ("kept", ReadFileBytes(Path("sub/kept.txt")));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->CreateFolder(Path("exists.txt")); }));
  EXPECT_EQ(3, ErrorCodeOf([&] { disk_->CreateFolder(Path("nofolder/x")); }));
  EXPECT_EQ(2, ErrorCodeOf([&] { disk_->CreateFolder(""); }));
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "new", "sub"}), Listing(dir_.path()));
  EXPECT_EQ("old contents", ReadFileBytes(Path("exists.txt")));
}

TEST_F(RealDiskTest, SameFolderMeansTheSameFolderHoweverSpelled) {
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {
      {dir_.path(), dir_.path(), true},
      {dir_.path(), dir_.path() + kPathSeparator, true},
      {dir_.path(), Path("sub") + kPathSeparator + "..", true},
      {Path("sub"), dir_.path() + "/sub/", true},
      {dir_.path(), Path("sub"), false},
      {dir_.path(), Path("missing"), false},
      {Path("exists.txt"), Path("exists.txt"), false},
      {"", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(disk_->IsSameFolder(c.a, c.b), c.same) << c.a << " " << c.b;
}

TEST_F(RealDiskTest, AFolderLockKeepsOutOtherHoldersOnly) {
  std::unique_ptr<core::FolderLock> first, second;
  ASSERT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("sub"), &first));
  EXPECT_EQ(core::LockStatus::kBusy, disk_->LockFolder(Path("sub") + kPathSeparator, &second));
  EXPECT_EQ(nullptr, second);
  WriteWhole(Path("sub/page.htm"), "still writable");
  EXPECT_EQ("still writable", ReadWhole(Path("sub/page.htm")));
  EXPECT_EQ((std::vector<std::string>{"page.htm"}), Listing(Path("sub"))) << "no lock file";
  first.reset();
  EXPECT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("sub"), &second));
  EXPECT_EQ(core::LockStatus::kUnavailable, disk_->LockFolder(Path("missing"), &first));
  EXPECT_EQ(core::LockStatus::kUnavailable, disk_->LockFolder(Path("exists.txt"), &first));
  EXPECT_EQ(core::LockStatus::kUnavailable, disk_->LockFolder("", &first));
  EXPECT_EQ(nullptr, first);
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

TEST_F(RealDiskTest, ReplaceCreatesAMissingFile) {
  std::unique_ptr<core::OutputFile> file = disk_->OpenForReplace(Path("new.txt"));
  file->Write("first", 5);
  file->Close();
  EXPECT_EQ("first", ReadFileBytes(Path("new.txt")));
}

}  // namespace
}  // namespace orvello::platform
