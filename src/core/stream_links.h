#ifndef ORVELLO_CORE_STREAM_LINKS_H_
#define ORVELLO_CORE_STREAM_LINKS_H_

#include <string>

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// The one line of segment `i`'s link files, which start the recording at the segment's start:
/// web address + recording name + `?start="` + start + `"`, or with an empty web address
/// "file:" + recording name + the same tail.
std::string StreamLink(const RunState& state, int i);

/// Writes segment `i`'s rNN.ram into the output folder: the link, no line end. Throws IoError.
void WriteRamFile(DiskInterface& disk, const RunState& state, int i);

/// Writes segment `i`'s rNN.rpm, with the same content as its rNN.ram. Throws IoError.
void WriteRpmFile(DiskInterface& disk, const RunState& state, int i);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_STREAM_LINKS_H_
