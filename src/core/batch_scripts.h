#ifndef ORVELLO_CORE_BATCH_SCRIPTS_H_
#define ORVELLO_CORE_BATCH_SCRIPTS_H_

#include "core/disk_interface.h"
#include "core/run_state.h"
#include "core/script_starter.h"

namespace orvello::core {

/// The two scripts' names, as they are started; their files carry ".bat".
inline constexpr char kCopyScriptName[] = "kopiruj";
inline constexpr char kProcessScriptName[] = "proces";

/// The style folder's files that kopiruj.bat copies into the output folder.
inline constexpr const char* kStyleAssets[] = {"problems.htm", "freeplayer_g2.gif", "web.gif",
                                               "video.gif"};

/// True when kopiruj.bat copies the segment's file: every type but 'H' (upper case only).
inline bool CopiedByScript(const Segment& segment) { return segment.type != 'H'; }

/// True when a path that the scripts put between double quotes holds a double quote itself: the
/// media path and name, the output, style or producer folder. Such a quote would end the quoted
/// name early and let the rest of the text run as commands, so a run refuses it before writing
/// anything. (Segment file names are checked with the other segment refusals, run_refusals.h.)
bool ScriptPathsHoldQuote(const JobParameters& params);

/// Writes OutputDir + "kopiruj.bat": a Copy line for every segment not of type 'H' (upper case
/// only), from the recording's folder into OutputDirBare, or for a name with a sub-folder to its
/// place below the output folder (CopyDestination); Copy lines for the style folder's
/// problems.htm, freeplayer_g2.gif, web.gif and video.gif into OutputDir, with the player also for
/// prehravac.js and prehravac.css; then "Del skus.txt" and "Del kopiruj.bat". Every line ends in CR
/// LF. Throws IoError.
void WriteCopyScript(DiskInterface& disk, const RunState& state);

/// The recording tool that proces.bat runs from ProducerDir (an extension is the system's to find).
inline constexpr char kRecordingToolName[] = "rmevents";

/// Writes OutputDir + "proces.bat", the one line that runs the recording tool on the recording:
/// `"` ProducerDir `rmevents" -i "` MediaPath `" -o "` OutputDir MediaName `" -e event.txt`,
/// ending in CR LF. Throws IoError.
void WriteProcessScript(DiskInterface& disk, const RunState& state);

/// Starts kopiruj, then proces, then with the player konvertuj, all with OutputDir as their working
/// directory.
void StartScripts(const RunState& state, ScriptStarter& starter);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_BATCH_SCRIPTS_H_
