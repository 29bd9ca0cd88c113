#ifndef ORVELLO_CORE_LECTURE_CHECK_H_
#define ORVELLO_CORE_LECTURE_CHECK_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/disk_interface.h"

namespace orvello::core {

/// How bad a finding is: an error means the run refuses, fails or publishes something plainly
/// wrong; a warning marks what is legal but probably not meant.
enum class Severity { kError, kWarning };

/// One problem found in a lecture, in Windows-1250: the file it concerns (a path as it was
/// given), the line in that file (0 for the file as a whole) and what is wrong.
struct Finding {
  std::string file;
  size_t line = 0;
  Severity severity = Severity::kError;
  std::string text;
};

/// What to check: the recording as the media field names it, and the style folder when known.
struct CheckInput {
  std::string media;
  std::optional<std::string> style;
};

/// Checks a lecture before it is published, reading its files as a run reads them and writing
/// nothing: the recording's header, the timing file beside it (through the run's own segment
/// reader), the segment files and, with a style folder, its templates and assets. Findings come
/// in the order of the files (recording, timing file by line, style folder). Throws IoError when
/// the recording or the timing file cannot be read.
std::vector<Finding> CheckLecture(DiskInterface& disk, const CheckInput& input);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_LECTURE_CHECK_H_
