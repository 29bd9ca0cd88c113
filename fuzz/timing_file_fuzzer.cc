// Feeds arbitrary bytes to the timing-file reader: it must end, never read out of bounds, and
// every segment it returns must respect the layout's limits.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "bytes_input_file.h"
#include "core/text_reader.h"
#include "core/timing_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  orvello::core::TextReader reader(std::make_unique<orvello::fuzz::BytesInputFile>(bytes));
  orvello::core::Segment segment;
  size_t segments = 0;
  while (orvello::core::ReadTimingSegment(reader, &segment)) {
    if (segment.start.size() > orvello::core::kTimeLength ||
        segment.end.size() > orvello::core::kTimeLength || segment.file_name.size() > size) {
      std::abort();
    }
    if (++segments > size) std::abort();  // every segment consumes at least one byte
  }
  return 0;
}
