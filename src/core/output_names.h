#ifndef ORVELLO_CORE_OUTPUT_NAMES_H_
#define ORVELLO_CORE_OUTPUT_NAMES_H_

#include <string>
#include <string_view>
#include <vector>

namespace orvello::core {

/// The six generated file names of one segment.
struct SegmentNames {
  std::string slide;  ///< "sld" + NN + ".htm"
  std::string f;      ///< "f" + NN + ".htm"
  std::string n;      ///< "n" + NN + ".htm"
  std::string p;      ///< "p" + NN + ".htm"
  std::string ram;    ///< "r" + NN + ".ram"
  std::string rpm;    ///< "r" + NN + ".rpm"
};

/// The output names of every segment of a run, indexed 0 to count + 1: segment i's names stand
/// at index i, index 0 repeats segment 1 and index count + 1 repeats the last segment, so that the
/// first segment's previous and the last one's next are the segment itself.
class OutputNameTable {
 public:
  /// Names at `index`, 0 to count + 1.
  const SegmentNames& at(int index) const { return names_.at(static_cast<size_t>(index)); }
  int count() const { return names_.empty() ? 0 : static_cast<int>(names_.size()) - 2; }

 private:
  friend void BuildOutputNames(int count, OutputNameTable* table);
  std::vector<SegmentNames> names_;
};

/// NN of a file name: "01" to "09", then the plain decimal form ("10", "99", "100").
std::string TwoDigitNumber(int number);

/// True when `name` is, ignoring case, `prefix` + the NN of a segment number (1 to kMaxSegments)
/// + `suffix`, as the run names a segment's files ("P07.HTM" for "p", ".htm").
bool IsNumberedName(std::string_view name, std::string_view prefix, std::string_view suffix);

/// Fills `*table` for segments 1 to `count` (0 to kMaxSegments). With count 0 the table holds
/// two empty entries at indices 0 and 1.
void BuildOutputNames(int count, OutputNameTable* table);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_OUTPUT_NAMES_H_
