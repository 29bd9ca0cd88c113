#include "core/batch_scripts.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/copy_targets.h"
#include "core/event_list.h"
#include "core/player_names.h"
#include "core/script_line_format.h"
#include "core/text_writer.h"

namespace orvello::core {

namespace {

// The part of MediaPath before MediaName: the recording's folder, where the segment files lie.
std::string_view SegmentFolder(const JobParameters& params) {
  std::string_view path = params.media_path;
  size_t name_length = std::min(params.media_name.size(), path.size());
  return path.substr(0, path.size() - name_length);
}

void WriteCopyLine(TextWriter& writer, std::string_view folder, std::string_view name,
                   std::string_view destination) {
  ScriptLineWriter(writer).Copy({folder, name}, destination).End();
}

}  // namespace

bool ScriptPathsHoldQuote(const JobParameters& params) {
  for (const std::string* text :
       {&params.media_path, &params.media_name, &params.output_dir, &params.output_dir_bare,
        &params.style_dir, &params.producer_dir}) {
    if (!CanQuote(*text)) return true;
  }
  return false;
}

void WriteCopyScript(DiskInterface& disk, const RunState& state) {
  const JobParameters& params = state.params;
  TextWriter writer(disk, params.output_dir + kCopyScriptName + ".bat");
  std::string_view folder = SegmentFolder(params);
  for (int i = 1; i <= state.segments.count(); ++i) {
    const Segment& segment = state.segments.at(i);
    if (CopiedByScript(segment)) {
      WriteCopyLine(writer, folder, segment.file_name,
                    CopyDestination(params, segment.file_name, disk.separator()));
    }
  }
  for (const char* asset : kStyleAssets) {
    WriteCopyLine(writer, params.style_dir, asset, params.output_dir);
  }
  if (state.player) {
    for (const char* asset : kPlayerAssets)
      WriteCopyLine(writer, params.style_dir, asset, params.output_dir);
  }
  ScriptLineWriter(writer).Delete("skus.txt").End();
  ScriptLineWriter(writer).Delete(std::string(kCopyScriptName) + ".bat").End();
  writer.Close();
}

void WriteProcessScript(DiskInterface& disk, const RunState& state) {
  const JobParameters& params = state.params;
  TextWriter writer(disk, params.output_dir + kProcessScriptName + ".bat");
  ScriptLineWriter(writer)
      .Run({params.producer_dir, kRecordingToolName})
      .Word("-i")
      .Quote({params.media_path})
      .Word("-o")
      .Quote({params.output_dir, params.media_name})
      .Words({"-e", kEventListName})
      .End();
  writer.Close();
}

void StartScripts(const RunState& state, ScriptStarter& starter) {
  starter.Start(state.params.output_dir, kCopyScriptName);
  starter.Start(state.params.output_dir, kProcessScriptName);
  if (state.player) starter.Start(state.params.output_dir, kConvertScriptName);
}

}  // namespace orvello::core
