#ifndef ORVELLO_CORE_CONVERT_SCRIPT_H_
#define ORVELLO_CORE_CONVERT_SCRIPT_H_

#include "core/disk_interface.h"
#include "core/run_state.h"

namespace orvello::core {

/// The converter's option and log level in konvertuj.bat: each line of its log tagged with its
/// level, from which the script runner reads the conversion's progress.
inline constexpr char kLogLevelOption[] = "-loglevel";
inline constexpr char kTaggedLogLevel[] = "level+info";

/// Writes OutputDir + "konvertuj.bat": one line that converts the recording into zaznam.mp4, then
/// one for each clip that a 'V' segment shows first (ClipNumbers), from MediaDir + its name into
/// its klipNN.mp4. Each line runs the converter (params.converter) on the input, writing H.264
/// and AAC in MP4 with its index first (`-movflags +faststart`) under the final name + ".tmp",
/// then `&& Move /Y "NAME.tmp" "NAME"`, so that only a finished conversion takes the final name.
/// Windows-1250, CR LF. Throws IoError.
void WriteConvertScript(DiskInterface& disk, const RunState& state);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_CONVERT_SCRIPT_H_
