#include "memory_disk.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/io_error.h"

namespace orvello::testing {

class MemoryInputFile : public core::InputFile {
 public:
  MemoryInputFile(MemoryDisk* disk, const std::string& path)
      : disk_(disk), path_(path), bytes_(disk->files_[path]) {}

  size_t Read(char* buffer, size_t size) override {
    if (closed_) throw core::IoError(103, path_);
    size_t count = std::min(size, bytes_.size() - pos_);
    if (disk_->read_chunk_ != 0) count = std::min(count, disk_->read_chunk_);
    if (const MemoryDisk::Failure* failure = MemoryDisk::Find(disk_->fail_read_, path_)) {
      if (pos_ + count > failure->after) {
        if (pos_ >= failure->after) throw core::IoError(failure->code, path_);
        count = failure->after - pos_;
      }
    }
    std::copy_n(bytes_.data() + pos_, count, buffer);
    pos_ += count;
    return count;
  }
  void Close() override { closed_ = true; }

 private:
  MemoryDisk* disk_;
  std::string path_;
  std::string bytes_;
  size_t pos_ = 0;
  bool closed_ = false;
};

class MemoryOutputFile : public core::OutputFile {
 public:
  MemoryOutputFile(MemoryDisk* disk, const std::string& path, bool replace)
      : disk_(disk), path_(path), replace_(replace) {
    if (!replace_) disk_->files_[path_].clear();
  }

  void Write(const char* data, size_t size) override {
    if (closed_) throw core::IoError(103, path_);
    size_t count = size;
    const MemoryDisk::Failure* failure = MemoryDisk::Find(disk_->fail_write_, path_);
    if (failure != nullptr)
      count = std::min(size, failure->after - std::min(failure->after, written_));
    Target().append(data, count);
    written_ += count;
    if (count < size) throw core::IoError(failure->code, path_);
  }
  void Close() override {
    if (closed_) return;
    closed_ = true;
    if (int code = disk_->CloseFailure(path_)) throw core::IoError(code, path_);
    if (replace_) disk_->files_[path_] = pending_;
  }

 private:
  std::string& Target() { return replace_ ? pending_ : disk_->files_[path_]; }

  MemoryDisk* disk_;
  std::string path_;
  bool replace_;
  std::string pending_;
  size_t written_ = 0;
  bool closed_ = false;
};

std::unique_ptr<core::InputFile> MemoryDisk::OpenForRead(const std::string& path) {
  CheckOpen(path, "read");
  if (!Exists(path)) throw core::IoError(core::kFileNotFound, path);
  return std::make_unique<MemoryInputFile>(this, path);
}

std::unique_ptr<core::OutputFile> MemoryDisk::OpenForWrite(const std::string& path) {
  CheckOpen(path, "write");
  created_.push_back(path);
  return std::make_unique<MemoryOutputFile>(this, path, /*replace=*/false);
}

std::unique_ptr<core::OutputFile> MemoryDisk::OpenForReplace(const std::string& path) {
  CheckOpen(path, "replace");
  created_.push_back(path);
  return std::make_unique<MemoryOutputFile>(this, path, /*replace=*/true);
}

core::ProbeStatus MemoryDisk::Probe(const std::string& path, core::ProbeAccess access, int* code) {
  const bool read = access == core::ProbeAccess::kRead;
  *code = OpenFailure(path, read ? "read" : "write");
  if (*code == 0 && read && !Exists(path)) *code = core::kFileNotFound;
  if (*code == 0 && !read) {
    created_.push_back(path);
    files_[path].clear();
    *code = CloseFailure(path);
  }
  return core::ProbeStatusFor(*code);
}

void MemoryDisk::CreateFolder(const std::string& path) {
  CheckOpen(path, "folder");
  created_folders_.push_back(path);
}

std::string MemoryDisk::Contents(const std::string& path) const {
  auto it = files_.find(path);
  if (it == files_.end()) throw std::out_of_range("no file " + path + " on the memory disk");
  return it->second;
}

int MemoryDisk::OpenFailure(const std::string& path, const char* mode) {
  journal_.push_back(std::string(mode) + " " + path);
  if (path.empty()) return core::kFileNotFound;
  auto it = fail_open_.find(path);
  return it == fail_open_.end() ? 0 : it->second;
}

void MemoryDisk::CheckOpen(const std::string& path, const char* mode) {
  if (int code = OpenFailure(path, mode)) throw core::IoError(code, path);
}

int MemoryDisk::CloseFailure(const std::string& path) const {
  auto it = fail_close_.find(path);
  return it == fail_close_.end() ? 0 : it->second;
}

std::string MemoryDisk::Folder(const std::string& path) const {
  std::string folder = path;
  while (folder.size() > 1 && folder.back() == separator_) folder.pop_back();
  auto alias = aliases_.find(folder);
  return alias == aliases_.end() ? folder : alias->second;
}

bool MemoryDisk::IsSameFolder(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() && Folder(a) == Folder(b);
}

namespace {

class MemoryFolderLock : public core::FolderLock {
 public:
  MemoryFolderLock(std::set<std::string>* locked, std::string folder)
      : locked_(locked), folder_(std::move(folder)) {}
  ~MemoryFolderLock() override { locked_->erase(folder_); }

 private:
  std::set<std::string>* locked_;
  std::string folder_;
};

}  // namespace

core::LockStatus MemoryDisk::LockFolder(const std::string& dir,
                                        std::unique_ptr<core::FolderLock>* lock) {
  if (dir.empty()) return core::LockStatus::kUnavailable;
  std::string folder = Folder(dir);
  if (!locked_.insert(folder).second) return core::LockStatus::kBusy;
  *lock = std::make_unique<MemoryFolderLock>(&locked_, folder);
  return core::LockStatus::kLocked;
}

const MemoryDisk::Failure* MemoryDisk::Find(const std::map<std::string, Failure>& failures,
                                            const std::string& path) {
  auto it = failures.find(path);
  return it == failures.end() || it->second.code == 0 ? nullptr : &it->second;
}

}  // namespace orvello::testing
