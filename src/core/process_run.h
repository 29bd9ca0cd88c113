#ifndef ORVELLO_CORE_PROCESS_RUN_H_
#define ORVELLO_CORE_PROCESS_RUN_H_

#include <string>
#include <string_view>

#include "core/disk_interface.h"
#include "core/job_parameters.h"
#include "core/run_state.h"
#include "core/script_starter.h"

namespace orvello::core {

/// How a run ended, when it did not end with an IoError.
enum class RunResult {
  kSucceeded,  ///< every file written and the scripts started
  kRefused,  ///< one of the run's own checks refused the input; nothing but the probe file written
};

/// The run's outcome and the line it leaves in the message box (Windows-1250).
struct RunOutcome {
  RunResult result;
  std::string message_line;
};

/// One press of the process button: checks the media file and the output folder (not the
/// recording's own folder, not locked by another run, one `starter` can start scripts in, takes
/// the probe file), derives the run's
/// paths into `state`, reads the timing file, refuses the segments FindSegmentRefusals lists and
/// any that lie in the output folder, creates the sub-folders the copied segment files keep,
/// writes the lecture's output set and starts the two scripts. When the style folder holds the
/// player's template (StyleHasPlayer), the run also writes the player page, the chapters and
/// konvertuj.bat after the other files and starts it third; it then runs `converter` (the front
/// end's find, Windows-1250), or plain "ffmpeg" when that is empty.
/// The output folder stays locked until the run returns. A failed file operation after the
/// checks throws IoError at once; what was written so far stays.
RunOutcome ProcessRun(const RunFields& fields, RunState* state, DiskInterface& disk,
                      ScriptStarter& starter, std::string_view converter = {});

}  // namespace orvello::core

#endif  // ORVELLO_CORE_PROCESS_RUN_H_
