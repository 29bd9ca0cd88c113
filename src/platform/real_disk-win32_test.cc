#include "platform/real_disk.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file_checks.h"
#include "platform/win32_file_identity.h"
#include "platform/win32_text.h"
#include "real_disk_test.h"
#include "test_util.h"

namespace orvello::platform {
namespace {

using testing::ReadFileBytes;

// A handle of "another program" on a file, closed when it goes away.
class OtherProgramsHandle {
 public:
  OtherProgramsHandle(const std::string& path, DWORD access, DWORD share)
      : handle_(CreateFileW(WidePath(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0,
                            nullptr)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << "cannot open " << path;
  }
  ~OtherProgramsHandle() { CloseHandle(handle_); }
  OtherProgramsHandle(const OtherProgramsHandle&) = delete;
  OtherProgramsHandle& operator=(const OtherProgramsHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

TEST_F(RealDiskTest, FilesInUseAreErrorsNeverSkipped) {
  const struct {
    const char* what;
    DWORD access, share;       // the other program's handle
    int read, write, replace;  // the codes of our three opens; 0: it opens
  } kCases[] = {
      {"open, shared with nobody", GENERIC_READ, 0, 32, 32, 32},
      {"being written", GENERIC_WRITE, FILE_SHARE_READ, 32, 32, 32},
      {"being read, shared with readers", GENERIC_READ, FILE_SHARE_READ, 0, 32, 32},
      {"being read, shared with everyone", GENERIC_READ,
       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0, 0, 0},
  };
  const std::string path = Path("exists.txt");
  for (const auto& c : kCases) {
    testing::WriteFileBytes(path, "old contents");
    {
      OtherProgramsHandle other(path, c.access, c.share);
      EXPECT_EQ(c.read, ErrorCodeOf([&] { disk_->OpenForRead(path); })) << c.what;
      EXPECT_EQ(c.write, ErrorCodeOf([&] { disk_->OpenForWrite(path); })) << c.what;
      EXPECT_EQ(c.replace, ErrorCodeOf([&] { disk_->OpenForReplace(path); })) << c.what;
      EXPECT_EQ(c.read == 0, core::FileCanBeOpened(*disk_, path)) << c.what;
    }
    if (c.write != 0) {
      EXPECT_EQ("old contents", ReadFileBytes(path)) << c.what;
    }
  }
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, ReadOnlyFileIsAccessDenied) {
  const std::string path = Path("exists.txt");
  const std::wstring wide_path = WidePath(path);
  SetFileAttributesW(wide_path.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE probe = CreateFileW(wide_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    SetFileAttributesW(wide_path.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "this system lets a write through the read-only attribute (Wine as root)";
  }
  EXPECT_EQ(0, ErrorCodeOf([&] { disk_->OpenForRead(path); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForWrite(path); }));
  EXPECT_EQ(5, ErrorCodeOf([&] { disk_->OpenForReplace(path); }));
  SetFileAttributesW(wide_path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ("old contents", ReadFileBytes(path));
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, ALockedRangeFailsTheRead) {
  OtherProgramsHandle other(Path("exists.txt"), GENERIC_READ, FILE_SHARE_READ);
  OVERLAPPED whole = {};
  ASSERT_TRUE(LockFileEx(other.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                         MAXDWORD, MAXDWORD, &whole));
  std::unique_ptr<core::InputFile> file = disk_->OpenForRead(Path("exists.txt"));
  char bytes[4];
  int code = ErrorCodeOf([&] { file->Read(bytes, sizeof bytes); });
  UnlockFileEx(other.get(), 0, MAXDWORD, MAXDWORD, &whole);
  if (code == 0) GTEST_SKIP() << "this system does not hold other readers to a range lock (Wine)";
  EXPECT_EQ(33, code);  // a lock violation
}

TEST_F(RealDiskTest, AFailedReplaceKeepsTheOldVersion) {
  std::unique_ptr<core::OutputFile> file = disk_->OpenForReplace(Path("exists.txt"));
  file->Write("new", 3);
  {
    // Opened meanwhile without leave to delete or rename it: the new version cannot take its place.
    OtherProgramsHandle other(Path("exists.txt"), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_NE(0, ErrorCodeOf([&] { file->Close(); }));
  }
  EXPECT_EQ("old contents", ReadFileBytes(Path("exists.txt")));
  EXPECT_EQ((std::vector<std::string>{"exists.txt", "sub"}), Listing(dir_.path()));
}

TEST_F(RealDiskTest, DevicesAreNoFiles) {
  for (Open open : {Open::kRead, Open::kWrite, Open::kReplace}) {
    EXPECT_EQ(5, ErrorCodeOf([&] { OpenThere(*disk_, open, "NUL"); })) << static_cast<int>(open);
  }
  EXPECT_FALSE(core::FileCanBeOpened(*disk_, "NUL"));
}

// A lecture folder may hold a link where a run writes a page or its probe file: the write
// replaces the link by a file of its own and leaves the file the link leads to as it was.
class LinkAtTheNameTest : public RealDiskTest {
 protected:
  using MakeLink = BOOL (*)(const std::wstring& name, const std::wstring& target);

  /// Makes p01.htm and Skus.txt links to a file of the user's, then writes a page and the probe.
  void WritesReplaceTheLinks(MakeLink make_link) {
    testing::WriteFileBytes(Path("sub/victim.txt"), "the user's own");
    for (const char* name : {"p01.htm", "Skus.txt"})
      ASSERT_TRUE(make_link(WidePath(Path(name)), WidePath(Path("sub/victim.txt")))) << name;
    WriteWhole(Path("p01.htm"), "page");
    EXPECT_TRUE(core::ProbeOutputDir(*disk_, dir_.path()));
    EXPECT_EQ(ReadFileBytes(Path("sub/victim.txt")), "the user's own");
    EXPECT_EQ(ReadFileBytes(Path("p01.htm")), "page");
    EXPECT_EQ(ReadFileBytes(Path("Skus.txt")), "");
    for (const char* name : {"p01.htm", "Skus.txt"}) {
      BY_HANDLE_FILE_INFORMATION info;
      ASSERT_TRUE(FileIdentity(WidePath(Path(name)), &info)) << name;
      EXPECT_EQ(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << name;
      EXPECT_EQ(info.nNumberOfLinks, 1u) << name;
    }
  }
};

BOOL SymbolicLink(const std::wstring& name, const std::wstring& target) {
  return CreateSymbolicLinkW(name.c_str(), target.c_str(),
                             SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
}

TEST_F(LinkAtTheNameTest, AHardLinkIsReplacedNeverWrittenThrough) {
  WritesReplaceTheLinks([](const std::wstring& name, const std::wstring& target) {
    return CreateHardLinkW(name.c_str(), target.c_str(), nullptr);
  });
}

TEST_F(LinkAtTheNameTest, ASymbolicLinkIsReplacedNeverWrittenThrough) {
  const std::wstring probe = WidePath(Path("probe-link"));
  DWORD attributes = SymbolicLink(probe, WidePath(Path("exists.txt")))
                         ? GetFileAttributesW(probe.c_str())
                         : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    GTEST_SKIP() << "this system makes no symbolic links (Wine 8's CreateSymbolicLinkW succeeds "
                    "and makes nothing), or not without privileges";
  }
  DeleteFileW(probe.c_str());
  WritesReplaceTheLinks(SymbolicLink);
}

TEST_F(RealDiskTest, SameFolderIgnoresCaseAndSlashes) {
  EXPECT_TRUE(disk_->IsSameFolder(Path("sub"), Path("SUB")));
  EXPECT_TRUE(disk_->IsSameFolder(Path("sub"), dir_.path() + "/Sub/"));
  std::unique_ptr<core::FolderLock> first, second;
  ASSERT_EQ(core::LockStatus::kLocked, disk_->LockFolder(Path("sub"), &first));
  EXPECT_EQ(core::LockStatus::kBusy, disk_->LockFolder(Path("SUB"), &second));
}

TEST_F(RealDiskTest, SlovakNamesGoThroughCodePage1250WhateverTheSystemsCodePage) {
  // "Štúdium čať.txt" in Windows-1250: 0x8A, 0xFA, 0xE8 and 0x9D differ in every other code page.
  const std::string name =
      "\x8At\xFA"
      "dium \xE8"
      "a\x9D.txt";
  WriteWhole(Path(name), "x");
  std::wstring expected = WideFromUtf8(dir_.path()) + L"\\\u0160t\u00FAdium \u010Da\u0165.txt";
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(expected.c_str()));
  EXPECT_EQ("x", ReadWhole(Path(name)));
}

}  // namespace
}  // namespace orvello::platform
