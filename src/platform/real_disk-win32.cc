// Implementation details: paths are Windows-1250 and go to the wide file API through code page
// 1250 (see win32_text.h); every error names the path it was given. The opens answer with the
// error's code: the interface's opens throw it, Probe hands it back. Files are plain handles, read
// and written in whatever blocks the caller hands over. Reading shares a file with other readers
// only, writing with readers only: a file that another program is writing, or has locked, fails
// with a sharing violation (I/O error 32) instead of being read half-written or skipped.
//
// Only files on a disk are taken: a device name (CON, NUL, COM1, ...) or a pipe is refused with
// code 5, as a folder is, so that nothing blocks on a console or a pipe without a peer. A writer
// never writes through a link at its name (win32_plain_file.h): a lecture folder may hold one
// where the run writes a page or its probe file, leading to a file of the user's. A replacing
// writer probes the target first, so that a missing folder, a read-only or a locked file fails at
// the open, as a direct write would, before any temporary file exists; its Close() moves the
// temporary file over the target with MoveFileExW, replacing it and writing through.
//
// A folder's identity is its volume serial number and file index. Its lock is a named semaphore
// of one, named after that identity: unlike a mutex, which its owning thread could take again,
// it keeps out a second holder in the same thread too, and it leaves no file in the folder. The
// system closes a holder's handle when its process ends; the semaphore goes with the last handle.

#include "platform/real_disk.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/encoding.h"
#include "core/io_error.h"
#include "platform/win32_error.h"
#include "platform/win32_file_identity.h"
#include "platform/win32_plain_file.h"
#include "platform/win32_text.h"

namespace orvello::platform {

namespace {

using core::IoError;

constexpr DWORD kMaxTransfer = DWORD{1} << 30;
constexpr wchar_t kTempSuffix[] = L".orvello-tmp";

[[noreturn]] void ThrowError(DWORD error, const std::string& path) {
  throw IoError(IoErrorCodeForWin32(error), path);
}

/// The wide name of `path` in `*wide`; 0, or the code that refuses what no open could take whole.
int WideNameOf(const std::string& path, std::wstring* wide) {
  if (path.empty()) return core::kFileNotFound;
  if (path.find('\0') != std::string::npos) return core::kInvalidFilename;
  *wide = WidePath(path);
  return 0;
}

/// The wide name of `path`; throws IoError for what no open could take whole.
std::wstring CheckedWidePath(const std::string& path) {
  std::wstring wide;
  if (int code = WideNameOf(path, &wide)) throw IoError(code, path);
  return wide;
}

/// 0 when `handle` was opened and is a file on a disk, else the IoError code (with the handle
/// closed).
int FileOnly(HANDLE handle) {
  if (handle == INVALID_HANDLE_VALUE) return IoErrorCodeForWin32(GetLastError());
  if (GetFileType(handle) == FILE_TYPE_DISK) return 0;
  CloseHandle(handle);
  return core::kFileAccessDenied;
}

/// Opens `wide` as a file on a disk into `*handle`; returns 0 or the IoError code.
int OpenFileOnly(const std::wstring& wide, DWORD access, DWORD share, DWORD disposition,
                 HANDLE* handle) {
  *handle = CreateFileW(wide.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  return FileOnly(*handle);
}

/// Opens `wide` as an empty plain file on a disk for writing into `*handle`, never through a
/// link; returns 0 or the IoError code. The file is opened and then cut rather than created anew
/// (CREATE_ALWAYS), which refuses a hidden file.
int OpenEmptied(const std::wstring& wide, DWORD share, HANDLE* handle) {
  *handle = OpenPlainFileForWriting(wide, share);
  if (int code = FileOnly(*handle)) return code;
  if (SetEndOfFile(*handle)) return 0;
  DWORD error = GetLastError();
  CloseHandle(*handle);
  return IoErrorCodeForWin32(error);
}

/// Opens `wide` for shared reading as a file on a disk into `*handle`; returns 0 or the IoError
/// code.
int OpenReadable(const std::wstring& wide, HANDLE* handle) {
  return OpenFileOnly(wide, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, handle);
}

/// Closes `*handle` once; returns 0 or the Win32 error.
DWORD CloseOnce(HANDLE* handle) {
  HANDLE closing = std::exchange(*handle, INVALID_HANDLE_VALUE);
  if (closing == INVALID_HANDLE_VALUE || CloseHandle(closing)) return 0;
  return GetLastError();
}

class Win32InputFile : public core::InputFile {
 public:
  Win32InputFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~Win32InputFile() override { CloseOnce(&handle_); }

  size_t Read(char* buffer, size_t size) override {
    if (handle_ == INVALID_HANDLE_VALUE) throw IoError(core::kFileNotOpen, path_);
    DWORD count = 0;
    DWORD wanted = static_cast<DWORD>(std::min<size_t>(size, kMaxTransfer));
    if (!ReadFile(handle_, buffer, wanted, &count, nullptr)) ThrowError(GetLastError(), path_);
    return count;
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    if (DWORD error = CloseOnce(&handle_)) ThrowError(error, path_);
  }

 private:
  HANDLE handle_;
  std::string path_;
};

class Win32OutputFile : public core::OutputFile {
 public:
  Win32OutputFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~Win32OutputFile() override { CloseOnce(&handle_); }

  void Write(const char* data, size_t size) override {
    if (handle_ == INVALID_HANDLE_VALUE) throw IoError(core::kFileNotOpen, path_);
    while (size > 0) {
      DWORD count = 0;
      DWORD wanted = static_cast<DWORD>(std::min<size_t>(size, kMaxTransfer));
      if (!WriteFile(handle_, data, wanted, &count, nullptr)) ThrowError(GetLastError(), path_);
      data += count;
      size -= count;
    }
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    if (DWORD error = CloseOnce(&handle_)) ThrowError(error, path_);
  }

 protected:
  HANDLE handle_;
  std::string path_;
};

/// Writes into `temp`; Close() moves it over `target`, dropping it unclosed removes it.
class ReplacingOutputFile : public Win32OutputFile {
 public:
  ReplacingOutputFile(HANDLE handle, std::string path, std::wstring temp, std::wstring target)
      : Win32OutputFile(handle, std::move(path)),
        temp_(std::move(temp)),
        target_(std::move(target)) {}
  ~ReplacingOutputFile() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseOnce(&handle_);
    DeleteFileW(temp_.c_str());
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    DWORD error = FlushFileBuffers(handle_) ? 0 : GetLastError();
    DWORD close_error = CloseOnce(&handle_);
    if (error == 0) error = close_error;
    if (error == 0 && !MoveFileExW(temp_.c_str(), target_.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      error = GetLastError();
    }
    if (error != 0) {
      DeleteFileW(temp_.c_str());
      ThrowError(error, path_);
    }
  }

 private:
  std::wstring temp_;
  std::wstring target_;
};

class Win32FolderLock : public core::FolderLock {
 public:
  explicit Win32FolderLock(HANDLE semaphore) : semaphore_(semaphore) {}
  ~Win32FolderLock() override {
    ReleaseSemaphore(semaphore_, 1, nullptr);
    CloseHandle(semaphore_);
  }

 private:
  HANDLE semaphore_;
};

/// The identity of the folder `path`; false when it is not an existing folder.
bool FolderIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* info) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  return FileIdentity(WidePath(path), info) &&
         (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class Win32Disk : public core::DiskInterface {
 public:
  char separator() const override { return kPathSeparator; }

  std::unique_ptr<core::InputFile> OpenForRead(const std::string& path) override {
    HANDLE handle;
    if (int code = OpenReadable(CheckedWidePath(path), &handle)) throw IoError(code, path);
    return std::make_unique<Win32InputFile>(handle, path);
  }

  std::unique_ptr<core::OutputFile> OpenForWrite(const std::string& path) override {
    HANDLE handle;
    if (int code = OpenEmptied(CheckedWidePath(path), FILE_SHARE_READ, &handle))
      throw IoError(code, path);
    return std::make_unique<Win32OutputFile>(handle, path);
  }

  std::unique_ptr<core::OutputFile> OpenForReplace(const std::string& path) override {
    std::wstring target = CheckedWidePath(path);
    HANDLE handle;
    int code = OpenFileOnly(target, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            OPEN_EXISTING, &handle);
    if (code == 0) CloseHandle(handle);
    if (code != 0 && code != core::kFileNotFound) throw IoError(code, path);
    std::wstring temp = target + kTempSuffix;
    code = OpenEmptied(temp, 0, &handle);
    if (code != 0) throw IoError(code, path);
    return std::make_unique<ReplacingOutputFile>(handle, path, std::move(temp), std::move(target));
  }

  core::ProbeStatus Probe(const std::string& path, core::ProbeAccess access, int* code) override {
    std::wstring wide;
    HANDLE handle;
    *code = WideNameOf(path, &wide);
    if (*code == 0) {
      *code = access == core::ProbeAccess::kRead ? OpenReadable(wide, &handle)
                                                 : OpenEmptied(wide, FILE_SHARE_READ, &handle);
    }
    if (*code == 0 && !CloseHandle(handle)) *code = IoErrorCodeForWin32(GetLastError());
    return core::ProbeStatusFor(*code);
  }

  // A folder that is there already must be a plain one: a junction or a symbolic link there
  // would lead the copies elsewhere.
  void CreateFolder(const std::string& path) override {
    std::wstring wide = CheckedWidePath(path);
    if (CreateDirectoryW(wide.c_str(), nullptr)) return;
    DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS) ThrowError(error, path);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      throw IoError(core::kFileAccessDenied, path);
    }
  }

  bool IsSameFolder(const std::string& a, const std::string& b) override {
    BY_HANDLE_FILE_INFORMATION first, second;
    return FolderIdentity(a, &first) && FolderIdentity(b, &second) && SameIdentity(first, second);
  }

  core::LockStatus LockFolder(const std::string& dir,
                              std::unique_ptr<core::FolderLock>* lock) override {
    BY_HANDLE_FILE_INFORMATION info;
    if (!FolderIdentity(dir, &info)) return core::LockStatus::kUnavailable;
    wchar_t name[64];
    std::swprintf(name, std::size(name), L"Local\\orvello-folder-%08lx-%08lx%08lx",
                  info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    HANDLE semaphore = CreateSemaphoreW(nullptr, 1, 1, name);
    if (semaphore == nullptr) return core::LockStatus::kUnavailable;
    DWORD taken = WaitForSingleObject(semaphore, 0);
    if (taken != WAIT_OBJECT_0) {
      CloseHandle(semaphore);
      return taken == WAIT_TIMEOUT ? core::LockStatus::kBusy : core::LockStatus::kUnavailable;
    }
    *lock = std::make_unique<Win32FolderLock>(semaphore);
    return core::LockStatus::kLocked;
  }
};

}  // namespace

std::unique_ptr<core::DiskInterface> MakeRealDisk() { return std::make_unique<Win32Disk>(); }

std::string NativeFileName(const std::string& path) { return core::Cp1250ToUtf8(path); }

}  // namespace orvello::platform
