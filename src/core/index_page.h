#ifndef ORVELLO_CORE_INDEX_PAGE_H_
#define ORVELLO_CORE_INDEX_PAGE_H_

#include <string_view>

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// The index page in the output folder.
inline constexpr char kIndexPageName[] = "folie.htm";

/// The image that stands for a segment's file in the index, chosen by the file name's last three
/// characters, case-sensitively: "htm" or "tml" -> "web.gif", "mpg" or "avi" -> "video.gif",
/// anything else the file itself. A name of three characters or fewer is compared whole.
std::string_view ThumbnailFor(std::string_view file_name);

/// Writes folie.htm: a Slovak line, then a form holding, for every segment, a thumbnail that
/// links to the segment's F page. An HTML fragment without html, head or body tags. Throws
/// IoError.
void WriteIndexPage(DiskInterface& disk, const RunState& state);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_INDEX_PAGE_H_
