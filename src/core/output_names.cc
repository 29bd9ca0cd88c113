#include "core/output_names.h"

#include "core/file_names.h"
#include "core/segment_table.h"

namespace orvello::core {

// Built by insertion: g++ 12 at -O3 takes `"0" + std::to_string(n)` for an overlapping copy
// (-Wrestrict), which breaks the release build.
std::string TwoDigitNumber(int number) {
  std::string text = std::to_string(number);
  if (number <= 9) text.insert(0, 1, '0');
  return text;
}

bool IsNumberedName(std::string_view name, std::string_view prefix, std::string_view suffix) {
  if (name.size() <= prefix.size() + suffix.size() ||
      !SameNameIgnoringCase(name.substr(0, prefix.size()), prefix) ||
      !SameNameIgnoringCase(name.substr(name.size() - suffix.size()), suffix)) {
    return false;
  }
  std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string_view::npos)
    return false;
  int number = std::stoi(std::string(digits));
  return number >= 1 && number <= kMaxSegments && digits == TwoDigitNumber(number);
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
