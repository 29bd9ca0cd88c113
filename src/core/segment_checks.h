#ifndef ORVELLO_CORE_SEGMENT_CHECKS_H_
#define ORVELLO_CORE_SEGMENT_CHECKS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lecture_check.h"
#include "core/segment_table.h"
#include "core/timing_file.h"

namespace orvello::core {

/// The seconds of a time "HH:MM:SS" (two digits each, minutes and seconds below 60); nothing for
/// any other text.
std::optional<int64_t> ParseTime(std::string_view text);

/// `text` between double quotes, control bytes shown as \r, \n, \t or \xNN; a long text is cut
/// as ShownName cuts it.
std::string Quoted(std::string_view text);

/// The items joined as a sentence lists them: "a", "a and b", "a, b and c".
std::string ListOf(const std::vector<std::string>& items);

/// Checks the segments of one timing file one after the other, as far as their own fields tell:
/// the line's layout, the type letter, the file name's extension and characters, and the times
/// against each other and against the recording's length. Findings go to `*findings` on the
/// segment's line. The segment files themselves are not looked at.
class SegmentChecker {
 public:
  /// `recording_ms` is the recording's length when its header gave one.
  SegmentChecker(std::string timing_path, std::optional<uint32_t> recording_ms,
                 std::vector<Finding>* findings);

  /// Checks the next segment, read from `lines`. Returns false when the line does not hold the
  /// layout "HH:MM:SS HH:MM:SS T FILE": the run then reads shifted fields, which are reported once
  /// with what the run makes of them and not checked further. The name of a segment that the run
  /// `refused` is left to the refusal's reason.
  bool Check(const Segment& segment, SegmentLines lines, bool refused);

 private:
  bool CheckLayout(const Segment& segment, SegmentLines lines);
  void CheckType(const Segment& segment, size_t line);
  void CheckName(const std::string& name, size_t line);
  void CheckTimes(const Segment& segment, size_t line);
  void Add(Severity severity, size_t line, std::string text);

  std::string timing_path_;
  std::optional<uint32_t> recording_ms_;
  std::vector<Finding>* findings_;
  std::optional<int64_t> previous_end_;  ///< seconds, when the previous segment was sound
  std::string previous_segment_end_;     ///< its end as written
  size_t previous_line_ = 0;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_SEGMENT_CHECKS_H_
