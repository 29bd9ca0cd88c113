#ifndef ORVELLO_CORE_DISK_INTERFACE_H_
#define ORVELLO_CORE_DISK_INTERFACE_H_

#include <cstddef>
#include <memory>
#include <string>

#include "core/io_error.h"

namespace orvello::core {

/// A file opened for reading: raw bytes, no text rules. Every failure throws IoError.
class InputFile {
 public:
  virtual ~InputFile() = default;
  /// Reads up to `size` bytes into `buffer`; returns 0 only at the physical end.
  virtual size_t Read(char* buffer, size_t size) = 0;
  virtual void Close() = 0;
};

/// A file opened for writing. Every failure throws IoError.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  /// Writes all `size` bytes.
  virtual void Write(const char* data, size_t size) = 0;
  /// Finishes the file; for a replacing writer this is where the new version takes the old one's
  /// place.
  virtual void Close() = 0;
};

/// An advisory lock on a folder (DiskInterface::LockFolder), held until the object is destroyed.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

/// How DiskInterface::LockFolder ended.
enum class LockStatus {
  kLocked,       ///< the lock is taken and held by the returned object
  kBusy,         ///< another holder has it: another run, in this process or in another one
  kUnavailable,  ///< the folder cannot be locked: missing, not a folder, or no lock support there
};

/// What DiskInterface::Probe opens a file for.
enum class ProbeAccess {
  kRead,   ///< as OpenForRead opens it
  kWrite,  ///< as OpenForWrite opens it: the file is created, or emptied
};

/// How DiskInterface::Probe ended.
enum class ProbeStatus {
  kOkay,        ///< the file opened and closed again
  kNotFound,    ///< IoError code 2 or 3: no such file, no such folder on its way, or no such name
  kOtherError,  ///< any other code: not a file, no permission, in use by another program, ...
};

/// The status of a probe that ended with the IoError code `code` (0 when nothing failed).
constexpr ProbeStatus ProbeStatusFor(int code) {
  if (code == 0) return ProbeStatus::kOkay;
  if (code == kFileNotFound || code == kInvalidFilename) return ProbeStatus::kNotFound;
  return ProbeStatus::kOtherError;
}

/// The file system as the core sees it. Paths are Windows-1250 strings; the implementation
/// converts them to the platform's file names and maps its errors to IoError codes. Every IoError
/// an implementation throws for a file carries that file's path as given (IoError::path()), for
/// opens, reads, writes and closes alike.
class DiskInterface {
 public:
  virtual ~DiskInterface() = default;
  /// The platform's path separator ('\\' on Windows, '/' elsewhere).
  virtual char separator() const = 0;
  /// Opens an existing regular file for shared reading. Anything else is refused with code 5
  /// (File access denied) and the open never blocks: a folder, a pipe, a socket, or a device such
  /// as /dev/zero or a console, which could keep a reader waiting, or reading, forever.
  virtual std::unique_ptr<InputFile> OpenForRead(const std::string& path) = 0;
  /// Creates the file, or empties an existing one. A folder, a pipe or a socket is refused with
  /// code 5, and the open never blocks. POSIX: a symbolic link at `path` is never followed: it is
  /// removed and a new file takes its name, so a link planted among the files a run writes cannot
  /// lead the write to a file elsewhere.
  virtual std::unique_ptr<OutputFile> OpenForWrite(const std::string& path) = 0;
  /// Creates the folder `path` when there is none; an existing folder is kept as it is. A symbolic
  /// link or junction (any reparse point) at `path`, or a file, is refused with code 5 (File
  /// access denied), never followed, so nothing is later written through it. The folder above
  /// must exist. Throws IoError.
  virtual void CreateFolder(const std::string& path) = 0;
  /// Writes a new version of a file that holds the user's own work: the bytes go to a temporary
  /// file beside it, and Close() renames that over `path`. A failure leaves the old version whole.
  virtual std::unique_ptr<OutputFile> OpenForReplace(const std::string& path) = 0;
  /// Opens `path` for `access` and closes it again, as OpenForRead or OpenForWrite and Close()
  /// would, but answers instead of throwing: `*code` gets 0 or the IoError code they would have
  /// thrown, and the status tells the cases apart (ProbeStatusFor). Never throws.
  virtual ProbeStatus Probe(const std::string& path, ProbeAccess access, int* code) = 0;

  /// True when `a` and `b` name the same existing folder, however each is spelled: relative or
  /// absolute, with or without a trailing separator, through symbolic links or junctions, or in
  /// another case where the file system ignores case. Compares the folders' identities (device and
  /// inode number on POSIX; volume serial number and file index on Windows), never their names.
  /// False when either is missing, is not a folder or cannot be examined. Never throws.
  virtual bool IsSameFolder(const std::string& a, const std::string& b) = 0;

  /// Takes an exclusive advisory lock on the folder `dir`; on kLocked `*lock` holds it until it is
  /// destroyed, otherwise `*lock` is left empty. The lock only keeps out other holders of the same
  /// lock: it must not stop anybody from reading, writing or listing the folder's files, and must
  /// leave nothing in the folder (no lock file), so what a run writes stays exactly what it
  /// computes. The system releases it when its holder's process ends, however it ends. Two
  /// spellings of one folder are one lock, and a second holder is kept out even in the same
  /// thread. POSIX: flock() on a descriptor of the folder; Windows: a named semaphore of one, named
  /// after the folder's identity (a mutex would let its owning thread take it again). Never throws.
  virtual LockStatus LockFolder(const std::string& dir, std::unique_ptr<FolderLock>* lock) = 0;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_DISK_INTERFACE_H_
