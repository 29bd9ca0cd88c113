#ifndef ORVELLO_CORE_PLAYER_DATA_H_
#define ORVELLO_CORE_PLAYER_DATA_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// One segment as the player shows it. Texts are UTF-8.
struct PlayerSegment {
  int number = 0;
  int64_t start = 0;      ///< seconds from the recording's start
  int64_t end = 0;        ///< seconds; may lie before `start`, as the timing file says
  std::string type;       ///< the type letter
  std::string shows;      ///< the picture's name, the clip's video, or the slide page of an 'H'
  std::string thumbnail;  ///< the picture's name, or the site's image for a clip or a page
  std::string title;
  std::string page;  ///< the segment's P page
};

/// The seconds of a time "H:MM:SS" (hours of one to nine digits, minutes and seconds of two,
/// below 60), blanks around it allowed (a short time leaves one in its field); nothing for any
/// other text.
std::optional<int64_t> ParsePlayerTime(std::string_view text);

/// The last component of `name` (after '/' or '\\') without its extension.
std::string_view NameWithoutExtension(std::string_view name);

/// For each segment (index = number - 1) of type 'V', the number of the first 'V' segment that
/// shows the same file (byte for byte): its clip is converted once, under that number; 0 for the
/// other types.
std::vector<int> ClipNumbers(const SegmentTable& segments);

/// The run's segments as the player shows them, in order. A time that is not one becomes the
/// previous segment's end (0 for the first), an end that is not one the segment's own start.
/// 'V' shows its clip's video (ClipVideoName) with video.gif; 'H' its slide page with web.gif and
/// the title of its page when it has one (the page is read from the recording's folder; throws
/// IoError); every other type its own file. Titles default to NameWithoutExtension of the file.
std::vector<PlayerSegment> BuildPlayerSegments(DiskInterface& disk, const RunState& state);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_PLAYER_DATA_H_
