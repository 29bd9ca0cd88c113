#ifndef ORVELLO_CORE_DISK_INTERFACE_H_
#define ORVELLO_CORE_DISK_INTERFACE_H_

#include <cstddef>
#include <memory>
#include <string>

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

/// The file system as the core sees it. Paths are Windows-1250 strings; the implementation
/// converts them to the platform's file names and maps its errors to IoError codes.
class DiskInterface {
 public:
  virtual ~DiskInterface() = default;
  /// The platform's path separator ('\\' on Windows, '/' elsewhere).
  virtual char separator() const = 0;
  /// Opens an existing file for shared reading. A directory is refused with code 5.
  virtual std::unique_ptr<InputFile> OpenForRead(const std::string& path) = 0;
  /// Creates the file, or empties an existing one.
  virtual std::unique_ptr<OutputFile> OpenForWrite(const std::string& path) = 0;
  /// Writes a new version of a file that holds the user's own work: the bytes go to a temporary
  /// file beside it, and Close() renames that over `path`. A failure leaves the old version whole.
  virtual std::unique_ptr<OutputFile> OpenForReplace(const std::string& path) = 0;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_DISK_INTERFACE_H_
