#ifndef ORVELLO_TESTS_TESTING_MEMORY_DISK_H_
#define ORVELLO_TESTS_TESTING_MEMORY_DISK_H_

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/disk_interface.h"

namespace orvello::testing {

/// An in-memory disk. Paths are compared byte for byte, folders are not modelled, and any path
/// can be created unless a failure was asked for. Files opened from it must not outlive it.
///
/// Writing is in place: OpenForWrite empties the file at once and every Write lands in it, so a
/// failed run leaves what it wrote. OpenForReplace keeps its bytes aside until Close().
///
/// A folder is its path without trailing separators; every folder exists. Two spellings name
/// the same folder only when they are equal that way or were made aliases (AddFolderAlias).
class MemoryDisk : public core::DiskInterface {
 public:
  explicit MemoryDisk(char separator = '\\') : separator_(separator) {}

  char separator() const override { return separator_; }
  std::unique_ptr<core::InputFile> OpenForRead(const std::string& path) override;
  std::unique_ptr<core::OutputFile> OpenForWrite(const std::string& path) override;
  std::unique_ptr<core::OutputFile> OpenForReplace(const std::string& path) override;
  /// Answers as the open and Close() of OpenForRead or OpenForWrite would, failures asked for
  /// included, and records the open as they do: a write probe empties (or creates) the file.
  core::ProbeStatus Probe(const std::string& path, core::ProbeAccess access, int* code) override;
  /// Records the folder (in created_folders() and the journal) unless a failure was asked for.
  void CreateFolder(const std::string& path) override;
  bool IsSameFolder(const std::string& a, const std::string& b) override;
  /// Locks are kept per folder (aliases included) until their objects go away; they must not
  /// outlive the disk.
  core::LockStatus LockFolder(const std::string& dir,
                              std::unique_ptr<core::FolderLock>* lock) override;

  /// Makes `alias` another spelling of the folder `folder`, as a link to it would be.
  void AddFolderAlias(const std::string& alias, const std::string& folder) {
    aliases_[Folder(alias)] = Folder(folder);
  }

  /// Puts a file on the disk without recording it as created.
  void AddFile(const std::string& path, const std::string& bytes) { files_[path] = bytes; }
  bool Exists(const std::string& path) const { return files_.count(path) != 0; }
  /// The bytes of `path`; throws std::out_of_range, which fails the running test, when there is
  /// no such file.
  std::string Contents(const std::string& path) const;
  const std::map<std::string, std::string>& files() const { return files_; }

  /// Paths opened by OpenForWrite or OpenForReplace, in order, repeats included.
  const std::vector<std::string>& created() const { return created_; }
  /// Paths given to CreateFolder, in order, repeats included.
  const std::vector<std::string>& created_folders() const { return created_folders_; }
  /// Every open attempt in order, as "read <path>", "write <path>" or "replace <path>", and every
  /// CreateFolder as "folder <path>".
  const std::vector<std::string>& journal() const { return journal_; }

  /// Every later open (or CreateFolder) of `path` throws IoError(code); code 0 lifts the failure.
  void FailOpenFor(const std::string& path, int code) { fail_open_[path] = code; }
  /// Writes to `path` accept `bytes` bytes in all, then throw IoError(code).
  void FailWriteAfter(const std::string& path, size_t bytes, int code) {
    fail_write_[path] = {bytes, code};
  }
  /// Reads from `path` deliver `bytes` bytes in all, then throw IoError(code).
  void FailReadAfter(const std::string& path, size_t bytes, int code) {
    fail_read_[path] = {bytes, code};
  }
  /// Closing a file written to `path` throws IoError(code) after its bytes have landed.
  void FailCloseFor(const std::string& path, int code) { fail_close_[path] = code; }
  /// Each Read call delivers at most `bytes` bytes (0: no limit), to exercise buffer edges.
  void set_read_chunk(size_t bytes) { read_chunk_ = bytes; }

 private:
  friend class MemoryInputFile;
  friend class MemoryOutputFile;

  struct Failure {
    size_t after = 0;
    int code = 0;
  };
  /// Journals an open of `path` for `mode`; returns 0 or the code it fails with.
  int OpenFailure(const std::string& path, const char* mode);
  void CheckOpen(const std::string& path, const char* mode);
  /// 0 or the code that closing a file written to `path` fails with.
  int CloseFailure(const std::string& path) const;
  /// The canonical spelling of the folder `path`.
  std::string Folder(const std::string& path) const;
  static const Failure* Find(const std::map<std::string, Failure>& failures,
                             const std::string& path);

  char separator_;
  size_t read_chunk_ = 0;
  std::map<std::string, std::string> files_;
  std::vector<std::string> created_;
  std::vector<std::string> created_folders_;
  std::vector<std::string> journal_;
  std::map<std::string, int> fail_open_;
  std::map<std::string, Failure> fail_write_;
  std::map<std::string, Failure> fail_read_;
  std::map<std::string, int> fail_close_;
  std::map<std::string, std::string> aliases_;
  std::set<std::string> locked_;
};

}  // namespace orvello::testing

#endif  // ORVELLO_TESTS_TESTING_MEMORY_DISK_H_
