#ifndef ORVELLO_CORE_SLIDE_PAGE_H_
#define ORVELLO_CORE_SLIDE_PAGE_H_

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// Writes segment `i`'s slide page sldNN.htm into the output folder. For a segment of type 'H' the
/// segment's own HTML file (in the recording's folder) is opened first and then copied with its
/// line ends made CR LF, so a missing file throws IoError and leaves no slide page. Any other
/// segment gets a generated page of eight lines that shows its file: type 'V' as a video, any
/// other type as a picture with the alt text "Slide <i>" (i in plain decimal). Throws IoError.
void WriteSlidePage(DiskInterface& disk, const RunState& state, int i);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_SLIDE_PAGE_H_
