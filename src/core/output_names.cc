#include "core/output_names.h"

namespace orvello::core {

// Built by insertion: g++ 12 at -O3 takes `"0" + std::to_string(n)` for an overlapping copy
// (-Wrestrict), which breaks the release build.
std::string TwoDigitNumber(int number) {
  std::string text = std::to_string(number);
  if (number <= 9) text.insert(0, 1, '0');
  return text;
}

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
