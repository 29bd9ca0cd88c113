#ifndef ORVELLO_CORE_RUN_STATE_H_
#define ORVELLO_CORE_RUN_STATE_H_

#include "core/job_parameters.h"
#include "core/output_names.h"
#include "core/segment_table.h"

namespace orvello::core {

/// What outlives a run: the last run's parameters and tables and the message counter. One object
/// lives as long as the main window (or one command-line invocation); each run overwrites it.
struct RunState {
  int message_counter = 0;  ///< prefixes the numbered messages; counts runs and timing presses
  JobParameters params;     ///< params.media_path is also the media file last chosen in the dialog
  SegmentTable segments;
  OutputNameTable names;
  bool player = false;  ///< the style folder holds the player's template: the run writes the player
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_RUN_STATE_H_
