#ifndef ORVELLO_FUZZ_BYTES_INPUT_FILE_H_
#define ORVELLO_FUZZ_BYTES_INPUT_FILE_H_

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/disk_interface.h"

namespace orvello::fuzz {

/// An input file over the fuzzer's bytes, handed out in small uneven chunks so that buffer
/// boundaries fall everywhere.
class BytesInputFile : public core::InputFile {
 public:
  explicit BytesInputFile(std::string_view bytes) : bytes_(bytes) {}
  size_t Read(char* buffer, size_t size) override {
    size_t chunk = std::min({size, bytes_.size() - pos_, 1 + pos_ % 7});
    std::memcpy(buffer, bytes_.data() + pos_, chunk);
    pos_ += chunk;
    return chunk;
  }
  void Close() override {}

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

}  // namespace orvello::fuzz

#endif  // ORVELLO_FUZZ_BYTES_INPUT_FILE_H_
