#include "core/timing_file.h"

#include <utility>

#include "core/text_reader.h"
#include "core/text_writer.h"

namespace orvello::core {

bool ReadTimingSegment(TextReader& reader, Segment* segment, SegmentLines* lines) {
  if (reader.SkipBlanks()) return false;
  size_t first = reader.line();
  segment->start = reader.ReadString(kTimeLength);
  reader.ReadChar();
  segment->end = reader.ReadString(kTimeLength);
  reader.ReadChar();
  segment->type = reader.ReadChar();
  reader.ReadChar();
  segment->file_name = reader.ReadLine();
  if (lines) *lines = {first, reader.line()};
  return true;
}

bool ReadTimingFile(DiskInterface& disk, const std::string& path, SegmentTable* table) {
  table->Clear();
  TextReader reader(disk, path);
  Segment segment;
  while (ReadTimingSegment(reader, &segment)) {
    if (table->count() == kMaxSegments) return false;
    table->Add(std::move(segment));  // a file name may be as long as the whole file
  }
  reader.Close();
  return true;
}

void WriteTimingLine(TextWriter& writer, std::string_view start, std::string_view end,
                     std::string_view type, std::string_view file_name) {
  writer.Write(start.substr(0, kTimeLength));
  writer.Write(' ');
  writer.Write(end.substr(0, kTimeLength));
  writer.Write(' ');
  writer.Write(type);
  writer.Write(' ');
  writer.WriteLine(file_name);
}

// A path of fewer than 3 characters loses nothing: the deletion would start before its first one.
std::string TimingPathFor(const std::string& media_path) {
  size_t keep = media_path.size() < 3 ? media_path.size() : media_path.size() - 3;
  return media_path.substr(0, keep) + ".txt";
}

}  // namespace orvello::core
