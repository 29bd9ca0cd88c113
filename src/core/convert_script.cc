#include "core/convert_script.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/batch_scripts.h"
#include "core/player_data.h"
#include "core/player_names.h"
#include "core/script_line_format.h"
#include "core/text_writer.h"

namespace orvello::core {

namespace {

// The input's folder and name are written one after the other: a name may be long.
void WriteConversion(TextWriter& out, const std::string& converter, std::string_view folder,
                     std::string_view name, const std::string& video) {
  const std::string temporary = video + kTemporaryEnding;
  ScriptLineWriter(out)
      .Run({converter})
      .Words({"-nostdin", "-hide_banner", kLogLevelOption, kTaggedLogLevel, "-y", "-i"})
      .Quote({folder, name})
      .Words({"-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-vf"})
      .Quote({"scale=trunc(iw/2)*2:trunc(ih/2)*2"})
      .Words({"-c:a", "aac", "-movflags", "+faststart", "-f", "mp4"})
      .Quote({temporary})
      .Then()
      .Move(temporary, video)
      .End();
}

}  // namespace

void WriteConvertScript(DiskInterface& disk, const RunState& state) {
  const JobParameters& params = state.params;
  TextWriter out(disk, params.output_dir + kConvertScriptName + ".bat");
  WriteConversion(out, params.converter, "", params.media_path, kVideoName);
  std::vector<int> clips = ClipNumbers(state.segments);
  for (int i = 1; i <= state.segments.count(); ++i) {
    if (clips[static_cast<size_t>(i - 1)] == i) {
      WriteConversion(out, params.converter, params.media_dir, state.segments.at(i).file_name,
                      ClipVideoName(i));
    }
  }
  out.Close();
}

}  // namespace orvello::core
