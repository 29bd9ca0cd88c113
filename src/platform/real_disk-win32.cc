// Implementation details: paths are Windows-1250 and go to the wide file API through code page
// 1250 (see win32_text.h). Files are plain handles, read and written in whatever blocks the caller
// hands over. Reading shares a file with other readers only, writing with readers only: a file
// that another program is writing, or has locked, fails with a sharing violation (I/O error 32)
// instead of being read half-written or skipped.
//
// Only files on a disk are taken: a device name (CON, NUL, COM1, ...) or a pipe is refused with
// code 5, as a folder is, so that nothing blocks on a console or a pipe without a peer. A replacing
// writer probes the target first, so that a missing folder, a read-only or a locked file fails at
// the open, as a direct write would, before any temporary file exists; its Close() moves the
// temporary file over the target with MoveFileExW, replacing it and writing through.

#include "platform/real_disk.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "core/encoding.h"
#include "core/io_error.h"
#include "platform/win32_error.h"
#include "platform/win32_text.h"

namespace orvello::platform {

namespace {

using core::IoError;

constexpr DWORD kMaxTransfer = DWORD{1} << 30;
constexpr wchar_t kTempSuffix[] = L".orvello-tmp";

[[noreturn]] void ThrowLastError() { throw IoError(IoErrorCodeForWin32(GetLastError())); }

/// The wide name of `path`, refusing what no open could take whole.
std::wstring CheckedWidePath(const std::string& path) {
  if (path.empty()) throw IoError(core::kFileNotFound);
  if (path.find('\0') != std::string::npos) throw IoError(core::kInvalidFilename);
  return WidePath(path);
}

/// Opens `path` as a file on a disk; throws the mapped error otherwise.
HANDLE OpenFileOnly(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastError();
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    throw IoError(core::kFileAccessDenied);
  }
  return handle;
}

/// Closes `*handle` once; returns 0 or the Win32 error.
DWORD CloseOnce(HANDLE* handle) {
  HANDLE closing = std::exchange(*handle, INVALID_HANDLE_VALUE);
  if (closing == INVALID_HANDLE_VALUE || CloseHandle(closing)) return 0;
  return GetLastError();
}

class Win32InputFile : public core::InputFile {
 public:
  explicit Win32InputFile(HANDLE handle) : handle_(handle) {}
  ~Win32InputFile() override { CloseOnce(&handle_); }

  size_t Read(char* buffer, size_t size) override {
    if (handle_ == INVALID_HANDLE_VALUE) throw IoError(core::kFileNotOpen);
    DWORD count = 0;
    DWORD wanted = static_cast<DWORD>(std::min<size_t>(size, kMaxTransfer));
    if (!ReadFile(handle_, buffer, wanted, &count, nullptr)) ThrowLastError();
    return count;
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    if (DWORD error = CloseOnce(&handle_)) throw IoError(IoErrorCodeForWin32(error));
  }

 private:
  HANDLE handle_;
};

class Win32OutputFile : public core::OutputFile {
 public:
  explicit Win32OutputFile(HANDLE handle) : handle_(handle) {}
  ~Win32OutputFile() override { CloseOnce(&handle_); }

  void Write(const char* data, size_t size) override {
    if (handle_ == INVALID_HANDLE_VALUE) throw IoError(core::kFileNotOpen);
    while (size > 0) {
      DWORD count = 0;
      DWORD wanted = static_cast<DWORD>(std::min<size_t>(size, kMaxTransfer));
      if (!WriteFile(handle_, data, wanted, &count, nullptr)) ThrowLastError();
      data += count;
      size -= count;
    }
  }

  void Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    if (DWORD error = CloseOnce(&handle_)) throw IoError(IoErrorCodeForWin32(error));
  }

 protected:
  HANDLE handle_;
};

/// Writes into `temp`; Close() moves it over `target`, dropping it unclosed removes it.
class ReplacingOutputFile : public Win32OutputFile {
 public:
  ReplacingOutputFile(HANDLE handle, std::wstring temp, std::wstring target)
      : Win32OutputFile(handle), temp_(std::move(temp)), target_(std::move(target)) {}
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
      throw IoError(IoErrorCodeForWin32(error));
    }
  }

 private:
  std::wstring temp_;
  std::wstring target_;
};

class Win32Disk : public core::DiskInterface {
 public:
  char separator() const override { return kPathSeparator; }

  std::unique_ptr<core::InputFile> OpenForRead(const std::string& path) override {
    return std::make_unique<Win32InputFile>(
        OpenFileOnly(CheckedWidePath(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
  }

  std::unique_ptr<core::OutputFile> OpenForWrite(const std::string& path) override {
    // OPEN_ALWAYS and a cut rather than CREATE_ALWAYS, which refuses a hidden file.
    HANDLE handle =
        OpenFileOnly(CheckedWidePath(path), GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
    if (!SetEndOfFile(handle)) {
      DWORD error = GetLastError();
      CloseHandle(handle);
      throw IoError(IoErrorCodeForWin32(error));
    }
    return std::make_unique<Win32OutputFile>(handle);
  }

  std::unique_ptr<core::OutputFile> OpenForReplace(const std::string& path) override {
    std::wstring target = CheckedWidePath(path);
    try {
      CloseHandle(
          OpenFileOnly(target, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    } catch (const IoError& error) {
      if (error.code() != core::kFileNotFound) throw;
    }
    std::wstring temp = target + kTempSuffix;
    HANDLE handle = OpenFileOnly(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
    return std::make_unique<ReplacingOutputFile>(handle, std::move(temp), std::move(target));
  }
};

}  // namespace

std::unique_ptr<core::DiskInterface> MakeRealDisk() { return std::make_unique<Win32Disk>(); }

std::string NativeFileName(const std::string& path) { return core::Cp1250ToUtf8(path); }

}  // namespace orvello::platform
