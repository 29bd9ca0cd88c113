// Implementation details: files are plain descriptors, read and written in whatever blocks the
// caller hands over (the text reader and writer do the buffering). Every call that can be
// interrupted is retried on EINTR, except close(): Linux releases the descriptor even then, so a
// retry could close a descriptor another part of the program has just been given.
//
// errno values become the codes the program's I/O error has always shown, and every error names
// the path it was given. The one case errno cannot tell apart by itself is ENOENT: the file is
// missing (2) or a folder on the way is (3), so the parent folder is looked at. The opens answer
// with these codes: the interface's opens throw them, Probe hands them back. A replacing writer
// probes the target first, so a missing folder or a read-only file fails at the open, as a direct
// write would, before any temporary file exists.
//
// A write never follows a symbolic link at its file's name (posix_open.h): the link is
// replaced by the file. A run's output folder may come with the lecture, links planted in it
// included, and a link there must not lead a page, the probe or a temporary file onto a file
// elsewhere. A folder the run creates is refused where a link stands instead.
//
// A folder's identity is its device and inode number; its lock is flock() on a descriptor of the
// folder itself, so no lock file ever appears among the files a run writes.

#include "platform/real_disk.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "core/encoding.h"
#include "core/io_error.h"
#include "platform/posix_error.h"
#include "platform/posix_open.h"

namespace orvello::platform {

namespace {

using core::IoError;

constexpr int kFileNotOpen = 103;
constexpr size_t kMaxTransfer = size_t{1} << 30;
constexpr const char kTempSuffix[] = ".orvello-tmp";

std::string ParentOf(const std::string& native) {
  size_t slash = native.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : native.substr(0, slash);
}

bool IsDirectory(const std::string& native) {
  struct stat info;
  return ::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int OpenErrorCode(int err, const std::string& native) {
  if (err == ENOENT && !IsDirectory(ParentOf(native))) return core::kInvalidFilename;
  return IoErrorCodeFor(err);
}

/// The native name of `path` in `*native`; 0, or the code that refuses what no open could take
/// whole.
int NativeNameOf(const std::string& path, std::string* native) {
  if (path.empty()) return core::kFileNotFound;
  *native = NativeFileName(path);
  return native->find('\0') == std::string::npos ? 0 : core::kInvalidFilename;
}

/// The native name of `path`; throws IoError for what no open could take whole.
std::string CheckedNativeName(const std::string& path) {
  std::string native;
  if (int code = NativeNameOf(path, &native)) throw IoError(code, path);
  return native;
}

/// Closes `fd`; returns 0 or the errno.
int CloseFd(int fd) { return ::close(fd) == 0 || errno == EINTR ? 0 : errno; }

/// What a descriptor may be for OpenFile to keep it.
enum class Accept {
  kRegularFile,  ///< reading: a device could block or never end
  kWritable,     ///< writing: anything but a folder, a pipe or a socket
};

bool Acceptable(const struct stat& info, Accept accept) {
  if (accept == Accept::kRegularFile) return S_ISREG(info.st_mode);
  return !S_ISDIR(info.st_mode) && !S_ISFIFO(info.st_mode) && !S_ISSOCK(info.st_mode);
}

/// Keeps `fd`, opened non-blocking, when `accept` takes what it is, and lets it block again;
/// returns 0, or the IoError code with `fd` closed. Anything refused gets EISDIR's code, as the
/// original platform refuses a directory.
int Accepted(int fd, Accept accept) {
  struct stat info;
  int err = ::fstat(fd, &info) != 0 ? errno : 0;
  if (err == 0 && !Acceptable(info, accept)) err = EISDIR;
  if (err == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) err = errno;
  if (err == 0) return 0;
  CloseFd(fd);
  return IoErrorCodeFor(err);
}

/// Opens the regular file `native` for reading into `*fd`; returns 0 or the IoError code. The
/// open itself does not block, so a pipe without a writer cannot hang the program.
int OpenReadable(const std::string& native, int* fd) {
  *fd = OpenRetrying(native, O_RDONLY | O_NONBLOCK);
  if (*fd < 0) return OpenErrorCode(errno, native);
  return Accepted(*fd, Accept::kRegularFile);
}

/// Opens `native` for writing into `*fd` without following a link there; returns 0 or the
/// IoError code.
int OpenWritable(const std::string& native, Accept accept, int* fd) {
  *fd = OpenForWriteNoFollow(native, 0666);
  if (*fd < 0) return OpenErrorCode(errno, native);
  return Accepted(*fd, accept);
}

/// Closes `fd`; returns 0 or the IoError code.
int CloseCode(int fd) {
  int err = CloseFd(fd);
  return err == 0 ? 0 : IoErrorCodeFor(err);
}

int SyncFd(int fd) {
  while (::fsync(fd) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

/// Makes a rename inside `folder` durable; failure only costs durability.
void SyncFolder(const std::string& folder) {
  int fd = OpenRetrying(folder, O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  SyncFd(fd);
  CloseFd(fd);
}

class PosixInputFile : public core::InputFile {
 public:
  PosixInputFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixInputFile() override {
    if (fd_ >= 0) CloseFd(fd_);
  }

  size_t Read(char* buffer, size_t size) override {
    if (fd_ < 0) throw IoError(kFileNotOpen, path_);
    for (;;) {
      ssize_t count = ::read(fd_, buffer, std::min(size, kMaxTransfer));
      if (count >= 0) return static_cast<size_t>(count);
      if (errno != EINTR) throw IoError(IoErrorCodeFor(errno), path_);
    }
  }

  void Close() override {
    if (fd_ < 0) return;
    if (int err = CloseFd(std::exchange(fd_, -1))) throw IoError(IoErrorCodeFor(err), path_);
  }

 private:
  int fd_;
  std::string path_;
};

class PosixOutputFile : public core::OutputFile {
 public:
  PosixOutputFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixOutputFile() override {
    if (fd_ >= 0) CloseFd(fd_);
  }

  void Write(const char* data, size_t size) override {
    if (fd_ < 0) throw IoError(kFileNotOpen, path_);
    while (size > 0) {
      ssize_t count = ::write(fd_, data, std::min(size, kMaxTransfer));
      if (count < 0) {
        if (errno == EINTR) continue;
        throw IoError(IoErrorCodeFor(errno), path_);
      }
      data += count;
      size -= static_cast<size_t>(count);
    }
  }

  void Close() override {
    if (fd_ < 0) return;
    if (int err = CloseFd(std::exchange(fd_, -1))) throw IoError(IoErrorCodeFor(err), path_);
  }

 protected:
  int fd_;
  std::string path_;
};

/// Writes into `temp`; Close() moves it over `target`, dropping it unclosed removes it.
class ReplacingOutputFile : public PosixOutputFile {
 public:
  ReplacingOutputFile(int fd, std::string path, std::string temp, std::string target)
      : PosixOutputFile(fd, std::move(path)), temp_(std::move(temp)), target_(std::move(target)) {}
  ~ReplacingOutputFile() override {
    if (fd_ < 0) return;
    CloseFd(std::exchange(fd_, -1));
    ::unlink(temp_.c_str());
  }

  void Close() override {
    if (fd_ < 0) return;
    int fd = std::exchange(fd_, -1);
    int err = SyncFd(fd);
    int close_err = CloseFd(fd);
    if (err == 0) err = close_err;
    if (err == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
    if (err != 0) {
      ::unlink(temp_.c_str());
      throw IoError(IoErrorCodeFor(err), path_);
    }
    SyncFolder(ParentOf(target_));
  }

 private:
  std::string temp_;
  std::string target_;
};

class PosixFolderLock : public core::FolderLock {
 public:
  explicit PosixFolderLock(int fd) : fd_(fd) {}
  ~PosixFolderLock() override { CloseFd(fd_); }

 private:
  int fd_;
};

/// The identity of the folder `path`; false when it is not an existing folder.
bool FolderIdentity(const std::string& path, struct stat* info) {
  if (path.empty()) return false;
  std::string native = NativeFileName(path);
  return native.find('\0') == std::string::npos && ::stat(native.c_str(), info) == 0 &&
         S_ISDIR(info->st_mode);
}

class PosixDisk : public core::DiskInterface {
 public:
  char separator() const override { return kPathSeparator; }

  std::unique_ptr<core::InputFile> OpenForRead(const std::string& path) override {
    int fd = -1;
    if (int code = OpenReadable(CheckedNativeName(path), &fd)) throw IoError(code, path);
    return std::make_unique<PosixInputFile>(fd, path);
  }

  std::unique_ptr<core::OutputFile> OpenForWrite(const std::string& path) override {
    int fd = -1;
    if (int code = OpenWritable(CheckedNativeName(path), Accept::kWritable, &fd))
      throw IoError(code, path);
    return std::make_unique<PosixOutputFile>(fd, path);
  }

  std::unique_ptr<core::OutputFile> OpenForReplace(const std::string& path) override {
    std::string native = CheckedNativeName(path);
    struct stat old_version;
    bool keep_mode = false;
    int probe = OpenRetrying(native, O_WRONLY | O_NONBLOCK);
    if (probe >= 0) {
      keep_mode = ::fstat(probe, &old_version) == 0;
      CloseFd(probe);
    } else if (errno != ENOENT || !IsDirectory(ParentOf(native))) {
      throw IoError(OpenErrorCode(errno, native), path);
    }
    std::string temp = native + kTempSuffix;
    int fd = -1;
    if (int code = OpenWritable(temp, Accept::kRegularFile, &fd)) throw IoError(code, path);
    if (keep_mode) ::fchmod(fd, old_version.st_mode & 07777);
    return std::make_unique<ReplacingOutputFile>(fd, path, std::move(temp), std::move(native));
  }

  core::ProbeStatus Probe(const std::string& path, core::ProbeAccess access, int* code) override {
    std::string native;
    int fd = -1;
    *code = NativeNameOf(path, &native);
    if (*code == 0) {
      *code = access == core::ProbeAccess::kRead ? OpenReadable(native, &fd)
                                                 : OpenWritable(native, Accept::kWritable, &fd);
    }
    if (*code == 0) *code = CloseCode(fd);
    return core::ProbeStatusFor(*code);
  }

  void CreateFolder(const std::string& path) override {
    std::string native = CheckedNativeName(path);
    if (::mkdir(native.c_str(), 0777) == 0) return;
    int err = errno;
    struct stat info;
    if (err == EEXIST && ::lstat(native.c_str(), &info) == 0) {
      if (S_ISDIR(info.st_mode)) return;
      throw IoError(core::kFileAccessDenied, path);
    }
    throw IoError(OpenErrorCode(err, native), path);
  }

  bool IsSameFolder(const std::string& a, const std::string& b) override {
    struct stat first, second;
    return FolderIdentity(a, &first) && FolderIdentity(b, &second) &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
  }

  core::LockStatus LockFolder(const std::string& dir,
                              std::unique_ptr<core::FolderLock>* lock) override {
    struct stat info;
    if (!FolderIdentity(dir, &info)) return core::LockStatus::kUnavailable;
    int fd = OpenRetrying(NativeFileName(dir), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return core::LockStatus::kUnavailable;
    int result;
    do {
      result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
      bool busy = errno == EWOULDBLOCK;
      CloseFd(fd);
      return busy ? core::LockStatus::kBusy : core::LockStatus::kUnavailable;
    }
    *lock = std::make_unique<PosixFolderLock>(fd);
    return core::LockStatus::kLocked;
  }
};

}  // namespace

std::unique_ptr<core::DiskInterface> MakeRealDisk() { return std::make_unique<PosixDisk>(); }

std::string NativeFileName(const std::string& path) { return core::Cp1250ToUtf8(path); }

}  // namespace orvello::platform
