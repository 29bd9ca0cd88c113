#ifndef ORVELLO_CORE_SEGMENT_TABLE_H_
#define ORVELLO_CORE_SEGMENT_TABLE_H_

#include <string>
#include <vector>

namespace orvello::core {

/// The most segments a lecture may have; names grow to three digits past 99.
inline constexpr int kMaxSegments = 999;

/// One lecture segment as the timing file gives it. The times are text and are never parsed.
struct Segment {
  std::string start;      ///< at most 8 characters, normally HH:MM:SS
  std::string end;        ///< at most 8 characters
  char type = ' ';        ///< 'H' HTML page, 'V' video clip, anything else a picture
  std::string file_name;  ///< relative to the recording's folder; may hold spaces
};

/// The segments of a lecture, numbered from 1 in file order.
class SegmentTable {
 public:
  int count() const { return static_cast<int>(segments_.size()); }
  /// Segment `number`, 1 to count().
  const Segment& at(int number) const { return segments_.at(static_cast<size_t>(number - 1)); }
  void Add(Segment segment) { segments_.push_back(std::move(segment)); }
  void Clear() { segments_.clear(); }

 private:
  std::vector<Segment> segments_;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_SEGMENT_TABLE_H_
