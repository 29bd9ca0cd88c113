#include "core/event_list.h"

#include "core/text_writer.h"

namespace orvello::core {

void WriteEventList(DiskInterface& disk, const RunState& state) {
  const JobParameters& params = state.params;
  TextWriter writer(disk, params.output_dir + kEventListName);
  for (int i = 1; i <= state.segments.count(); ++i) {
    if (i > 1) writer.WriteLineEnd();
    const Segment& segment = state.segments.at(i);
    writer.Write("u ");
    writer.Write(segment.start);
    writer.Write(' ');
    writer.Write(segment.end);
    writer.Write(" &&posun&&");
    writer.Write(params.web_address);
    writer.Write(state.names.at(i).p);
  }
  writer.Close();
}

}  // namespace orvello::core
