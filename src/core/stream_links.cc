#include "core/stream_links.h"

#include "core/text_writer.h"

namespace orvello::core {

namespace {

void WriteLinkFile(DiskInterface& disk, const std::string& path, const RunState& state, int i) {
  TextWriter out(disk, path);
  out.Write(StreamLink(state, i));
  out.Close();
}

}  // namespace

std::string StreamLink(const RunState& state, int i) {
  const JobParameters& params = state.params;
  std::string link = params.web_address.empty() ? "file:" : params.web_address;
  return link + params.media_name + "?start=\"" + state.segments.at(i).start + "\"";
}

void WriteRamFile(DiskInterface& disk, const RunState& state, int i) {
  WriteLinkFile(disk, state.params.output_dir + state.names.at(i).ram, state, i);
}

void WriteRpmFile(DiskInterface& disk, const RunState& state, int i) {
  WriteLinkFile(disk, state.params.output_dir + state.names.at(i).rpm, state, i);
}

}  // namespace orvello::core
