// Feeds arbitrary bytes to the recording header reader: it must end, never read out of bounds or
// allocate by a chunk's size, and give a reason whenever it finds no duration.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bytes_input_file.h"
#include "core/realmedia_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orvello::fuzz::BytesInputFile file(bytes);
  uint32_t duration_ms = 0;
  std::string err;
  if (!orvello::core::ReadRealMediaDuration(file, &duration_ms, &err) && err.empty()) std::abort();
  return 0;
}
