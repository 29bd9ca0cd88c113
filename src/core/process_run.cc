#include "core/process_run.h"

#include "core/batch_scripts.h"
#include "core/event_list.h"
#include "core/file_checks.h"
#include "core/messages.h"
#include "core/output_names.h"
#include "core/timing_file.h"

namespace orvello::core {

namespace {

RunOutcome Refuse(const RunState& state, const char* message) {
  return {RunResult::kRefused, std::to_string(state.message_counter) + message};
}

}  // namespace

RunOutcome ProcessRun(const RunFields& fields, RunState* state, DiskInterface& disk,
                      ScriptStarter& starter) {
  ++state->message_counter;
  if (!FileCanBeOpened(disk, fields.media) || !ProbeOutputDir(disk, fields.output)) {
    return Refuse(*state, kNoMediaOrOutputMessage);
  }
  state->params = DeriveJobParameters(fields, disk.separator());
  if (!ReadTimingFile(disk, state->params.timing_path, &state->segments)) {
    return Refuse(*state, kTooManySegmentsMessage);
  }
  BuildOutputNames(state->segments.count(), &state->names);
  if (ScriptTextsHoldQuote(*state)) return Refuse(*state, kQuoteInNameMessage);
  WriteEventList(disk, *state);
  WriteCopyScript(disk, *state);
  WriteProcessScript(disk, *state);
  StartScripts(*state, starter);
  return {RunResult::kSucceeded, kRunSucceededMessage};
}

}  // namespace orvello::core
