#include "core/process_run.h"

#include "core/batch_scripts.h"
#include "core/event_list.h"
#include "core/file_checks.h"
#include "core/index_page.h"
#include "core/messages.h"
#include "core/output_names.h"
#include "core/slide_page.h"
#include "core/stream_links.h"
#include "core/template_pages.h"
#include "core/timing_file.h"

namespace orvello::core {

namespace {

RunOutcome Refuse(const RunState& state, const char* message) {
  return {RunResult::kRefused, std::to_string(state.message_counter) + message};
}

void WriteSegmentPages(DiskInterface& disk, const RunState& state) {
  for (int i = 1; i <= state.segments.count(); ++i) {
    WritePPage(disk, state, i);
    WriteFPage(disk, state, i);
    WriteRamFile(disk, state, i);
    WriteRpmFile(disk, state, i);
    WriteSlidePage(disk, state, i);
    WriteNPage(disk, state, i);
  }
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
  WriteSegmentPages(disk, *state);
  WriteIndexPage(disk, *state);
  WriteCopyScript(disk, *state);
  WriteProcessScript(disk, *state);
  StartScripts(*state, starter);
  return {RunResult::kSucceeded, kRunSucceededMessage};
}

}  // namespace orvello::core
