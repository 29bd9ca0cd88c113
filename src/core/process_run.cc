// Implementation details: every check that can refuse a run comes before the first file it would
// write. The media file and the output folder's identity are checked before the probe file, the
// segments right after the timing file is read; only then is anything of the site written, the
// sub-folders that the copy script copies into first.
#include "core/process_run.h"

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "core/batch_scripts.h"
#include "core/convert_script.h"
#include "core/copy_targets.h"
#include "core/event_list.h"
#include "core/file_checks.h"
#include "core/file_names.h"
#include "core/index_page.h"
#include "core/messages.h"
#include "core/output_names.h"
#include "core/player_data.h"
#include "core/player_names.h"
#include "core/player_page.h"
#include "core/run_refusals.h"
#include "core/script_line_format.h"
#include "core/slide_page.h"
#include "core/stream_links.h"
#include "core/template_pages.h"
#include "core/timing_file.h"

namespace orvello::core {

namespace {

// `message` is a counted message's text from its ": " on.
RunOutcome Refuse(const RunState& state, std::string_view message) {
  std::string line = std::to_string(state.message_counter);
  return {RunResult::kRefused, line.append(message)};
}

RunOutcome RefuseSegment(const RunState& state, const std::string& reason) {
  return Refuse(state, ": " + reason);
}

// The first segment whose name leads through a sub-folder into the output folder: the run would
// overwrite an 'H' page there with its own page of the same name, and a copy would copy a file
// onto itself. 0 when there is none.
int SegmentInOutputFolder(DiskInterface& disk, const RunState& state) {
  for (int i = 1; i <= state.segments.count(); ++i) {
    const std::string& name = state.segments.at(i).file_name;
    size_t cut = LastSeparator(name);
    if (cut != std::string::npos && disk.IsSameFolder(state.params.media_dir + name.substr(0, cut),
                                                      state.params.output_dir_bare)) {
      return i;
    }
  }
  return 0;
}

void WritePlayer(DiskInterface& disk, const RunState& state) {
  std::vector<PlayerSegment> segments = BuildPlayerSegments(disk, state);
  WritePlayerPage(disk, state, segments);
  WriteChapters(disk, state, segments);
  WriteConvertScript(disk, state);
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
                      ScriptStarter& starter, std::string_view converter) {
  ++state->message_counter;
  JobParameters params = DeriveJobParameters(fields, disk.separator());
  params.converter = converter.empty() ? kPlainConverter : converter;
  if (!FileCanBeOpened(disk, fields.media)) return Refuse(*state, kNoMediaOrOutputMessage);
  // The recording's folder is "." when the media path names none.
  if (disk.IsSameFolder(params.media_dir.empty() ? "." : params.media_dir, fields.output))
    return Refuse(*state, kOutputIsMediaFolderMessage);
  std::unique_ptr<FolderLock> lock;
  if (disk.LockFolder(fields.output, &lock) == LockStatus::kBusy)
    return Refuse(*state, kOutputBusyMessage);
  if (!starter.CanStartIn(params.output_dir)) return Refuse(*state, kOutputPathTooLongMessage);
  if (!ProbeOutputDir(disk, fields.output)) return Refuse(*state, kNoMediaOrOutputMessage);

  state->params = std::move(params);
  state->player = StyleHasPlayer(disk, state->params.style_dir);
  if (!ReadTimingFile(disk, state->params.timing_path, &state->segments)) {
    return Refuse(*state, kTooManySegmentsMessage);
  }
  BuildOutputNames(state->segments.count(), &state->names);
  if (ScriptPathsHoldQuote(state->params) || (state->player && !CanQuote(state->params.converter)))
    return Refuse(*state, kQuoteInNameMessage);
  if (auto refusals = FindSegmentRefusals(*state); !refusals.empty())
    return RefuseSegment(*state, refusals.front().reason);
  if (int i = SegmentInOutputFolder(disk, *state)) {
    return RefuseSegment(
        *state, SegmentFileReason(i, state->segments.at(i).file_name, kInOutputFolderEnding));
  }
  CreateCopySubFolders(disk, *state);
  WriteEventList(disk, *state);
  WriteSegmentPages(disk, *state);
  WriteIndexPage(disk, *state);
  WriteCopyScript(disk, *state);
  WriteProcessScript(disk, *state);
  if (state->player) WritePlayer(disk, *state);
  StartScripts(*state, starter);
  return {RunResult::kSucceeded, kRunSucceededMessage};
}

}  // namespace orvello::core
