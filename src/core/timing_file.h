#ifndef ORVELLO_CORE_TIMING_FILE_H_
#define ORVELLO_CORE_TIMING_FILE_H_

#include <string>
#include <string_view>

#include "core/disk_interface.h"
#include "core/segment_table.h"

namespace orvello::core {

class TextReader;
class TextWriter;

/// The longest time text the reader takes and the writer keeps.
inline constexpr size_t kTimeLength = 8;

/// Where a segment's text lies in its file, by line number from 1: the line its start time begins
/// on and the line its file name comes from. They differ when a line shorter than its fixed part
/// took in the lines after it.
struct SegmentLines {
  size_t first = 0;
  size_t last = 0;
};

/// Reads the next segment's four fields as the timing file lays them out: up to 8 characters of
/// start, one separator, up to 8 of end, one separator, the type, one separator, the rest of the
/// line as the file name. Returns false, reading nothing, when only blanks remain. Short times
/// shift the later fields, and a line shorter than its fixed part takes in the next line. With
/// `lines`, also says which lines the segment was read from.
bool ReadTimingSegment(TextReader& reader, Segment* segment, SegmentLines* lines = nullptr);

/// Reads the timing file at `path` into `*table` (cleared first). Stops and returns false when
/// the file holds more than kMaxSegments segments. Throws IoError.
bool ReadTimingFile(DiskInterface& disk, const std::string& path, SegmentTable* table);

/// Appends one line: start and end cut to 8 characters, type and file name whole, each of the
/// first three followed by a space, then CR LF.
void WriteTimingLine(TextWriter& writer, std::string_view start, std::string_view end,
                     std::string_view type, std::string_view file_name);

/// The timing file that belongs to a recording: `media_path` without its last 3 characters,
/// then ".txt" (a path shorter than 3 characters is kept whole).
std::string TimingPathFor(const std::string& media_path);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_TIMING_FILE_H_
