#ifndef ORVELLO_CORE_EVENT_LIST_H_
#define ORVELLO_CORE_EVENT_LIST_H_

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// The event list's file name in the output folder; proces.bat names it relative to that folder.
inline constexpr char kEventListName[] = "event.txt";

/// Writes OutputDir + "event.txt": for each segment the line
/// "u " + start + " " + end + " &&posun&&" + web address + the segment's P page, which tells the
/// recording tool to open that page in the player's "posun" frame while the segment plays. Lines
/// are joined by CR LF; the last has no line end, and no segments give an empty file. Throws
/// IoError.
void WriteEventList(DiskInterface& disk, const RunState& state);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_EVENT_LIST_H_
