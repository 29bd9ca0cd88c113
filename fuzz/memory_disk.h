#ifndef ORVELLO_FUZZ_MEMORY_DISK_H_
#define ORVELLO_FUZZ_MEMORY_DISK_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "bytes_input_file.h"
#include "core/disk_interface.h"

namespace orvello::fuzz {

/// A disk on which every file read holds the fuzzer's bytes and every file written lands in
/// `written()`. Folders are all different and never lock.
class MemoryDisk : public core::DiskInterface {
 public:
  explicit MemoryDisk(std::string_view bytes) : bytes_(bytes) {}

  char separator() const override { return '\\'; }
  std::unique_ptr<core::InputFile> OpenForRead(const std::string&) override {
    return std::make_unique<BytesInputFile>(bytes_);
  }
  std::unique_ptr<core::OutputFile> OpenForWrite(const std::string& path) override {
    written_[path].clear();
    return std::make_unique<StringOutputFile>(&written_[path]);
  }
  std::unique_ptr<core::OutputFile> OpenForReplace(const std::string& path) override {
    return OpenForWrite(path);
  }
  core::ProbeStatus Probe(const std::string& path, core::ProbeAccess access, int* code) override {
    if (access == core::ProbeAccess::kWrite) written_[path].clear();
    *code = 0;
    return core::ProbeStatus::kOkay;
  }
  void CreateFolder(const std::string&) override {}
  bool IsSameFolder(const std::string&, const std::string&) override { return false; }
  core::LockStatus LockFolder(const std::string&, std::unique_ptr<core::FolderLock>*) override {
    return core::LockStatus::kUnavailable;
  }

  const std::map<std::string, std::string>& written() const { return written_; }

 private:
  class StringOutputFile : public core::OutputFile {
   public:
    explicit StringOutputFile(std::string* target) : target_(target) {}
    void Write(const char* data, size_t size) override { target_->append(data, size); }
    void Close() override {}

   private:
    std::string* target_;
  };

  std::string_view bytes_;
  std::map<std::string, std::string> written_;
};

}  // namespace orvello::fuzz

#endif  // ORVELLO_FUZZ_MEMORY_DISK_H_
