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

/// True when a text that the scripts put between double quotes holds a double quote itself: the
/// media path and name, the output, style and producer folders, or the file name of a segment
/// that kopiruj.bat copies. Such a quote would end the quoted name early and let the rest of the
/// text run as commands, so a run refuses it before writing anything.
bool ScriptTextsHoldQuote(const RunState& state);

/// The part of ScriptTextsHoldQuote that looks at the run's paths.
bool ScriptPathsHoldQuote(const JobParameters& params);

/// The part of ScriptTextsHoldQuote that looks at one segment: kopiruj.bat copies it and its file
/// name holds a double quote.
bool CopiedNameHoldsQuote(const Segment& segment);

/// Writes OutputDir + "kopiruj.bat": a Copy line for every segment not of type 'H' (upper case
/// only), from the recording's folder into OutputDirBare; Copy lines for the style folder's
/// problems.htm, freeplayer_g2.gif, web.gif and video.gif into OutputDir; then "Del skus.txt" and
/// "Del kopiruj.bat". Every line ends in CR LF. Throws IoError.
void WriteCopyScript(DiskInterface& disk, const RunState& state);

/// Writes OutputDir + "proces.bat", the one line that runs the recording tool on the recording:
/// `"` ProducerDir `rmevents" -i "` MediaPath `" -o "` OutputDir MediaName `" -e event.txt`,
/// ending in CR LF. Throws IoError.
void WriteProcessScript(DiskInterface& disk, const RunState& state);

/// Starts kopiruj, then proces, both with OutputDir as their working directory.
void StartScripts(const RunState& state, ScriptStarter& starter);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_BATCH_SCRIPTS_H_
