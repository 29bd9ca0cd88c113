#ifndef ORVELLO_CORE_PLAYER_PAGE_H_
#define ORVELLO_CORE_PLAYER_PAGE_H_

#include <string_view>
#include <vector>

#include "core/disk_interface.h"
#include "core/player_data.h"
#include "core/run_state.h"
#include "core/text_writer.h"

namespace orvello::core {

/// Where the player's template takes the lecture's data.
inline constexpr std::string_view kPlayerDataMarker = "<!--prednaska-->";

/// Writes the lecture's data block: `<script type="application/json" id="prednaska">`, one line
/// of JSON, `</script>`. The JSON is {"title": `title`, "video": "zaznam.mp4", "segments": [...]}
/// with each segment's number, start, end, type, shows, thumbnail, title and page, every string
/// written by JsonString, so that no name can end the block.
void WritePlayerData(TextWriter& out, std::string_view title,
                     const std::vector<PlayerSegment>& segments);

/// Copies the style folder's prehravac.htm into the output folder byte for byte (line ends as they
/// are), each kPlayerDataMarker replaced by the data block of `segments`, titled with the
/// recording's name without its extension. The template is opened first, so a missing one leaves
/// no page. Throws IoError.
void WritePlayerPage(DiskInterface& disk, const RunState& state,
                     const std::vector<PlayerSegment>& segments);

/// Writes kapitoly.vtt into the output folder: UTF-8 WebVTT with CR LF line ends, one cue per
/// segment: its number, its times as HH:MM:SS.000 (an end before the start as the start) and its
/// title, with & < > as entities and line breaks and other control characters as spaces. Throws
/// IoError.
void WriteChapters(DiskInterface& disk, const RunState& state,
                   const std::vector<PlayerSegment>& segments);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_PLAYER_PAGE_H_
