#include "core/output_names.h"

namespace orvello::core {

std::string TwoDigitNumber(int number) { return (number <= 9 ? "0" : "") + std::to_string(number); }

void BuildOutputNames(int count, OutputNameTable* table) {
  auto& names = table->names_;
  names.assign(static_cast<size_t>(count) + 2, SegmentNames{});
  for (int i = 1; i <= count; ++i) {
    const std::string nn = TwoDigitNumber(i);
    names[i] = {"sld" + nn + ".htm", "f" + nn + ".htm", "n" + nn + ".htm",
                "p" + nn + ".htm",   "r" + nn + ".ram", "r" + nn + ".rpm"};
  }
  names[0] = names[1];
  names[count + 1] = names[count];
}

}  // namespace orvello::core
