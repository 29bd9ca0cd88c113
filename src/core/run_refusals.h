#ifndef ORVELLO_CORE_RUN_REFUSALS_H_
#define ORVELLO_CORE_RUN_REFUSALS_H_

#include <string>
#include <string_view>
#include <vector>

#include "core/run_state.h"

namespace orvello::core {

/// A segment that a run refuses to publish, and why.
struct SegmentRefusal {
  int segment;         ///< the segment's number, from 1
  std::string reason;  ///< Windows-1250: what the run's numbered message shows after "N: "
};

/// Every segment of `state.segments` that a run refuses, in order, each once, with the first of
/// these reasons that applies to it:
/// 1. its name holds a double quote: kopiruj.bat would end the quoted name early and run the rest
///    of the line as commands, and an 'H' page's name would end an attribute in folie.htm;
/// 2. its name is absolute (a leading '/' or '\\', a drive letter) or has a ".." component: the
///    run would read a page from outside the recording's folder, the copy would publish such a
///    file and, through the copy's destination name, write outside the output folder;
/// 3. it is copied and the last component of its name is one that the run or its scripts write
///    into the output folder (IsOutputName): the copy would replace the run's own file, one of
///    its scripts included, with a file from the lecture folder;
/// 4. it is copied and its name holds a ':' (past the drive letter rule 2 refuses): Windows reads
///    "ab:proces.bat" as a stream of the file "ab", and a copy of it could land on any name;
/// 5. it is copied and lands on the place of an earlier copied segment (CopyClashFinder), or its
///    first sub-folder is named like a file of rule 3.
/// 'H' pages are read in their own folder and never copied, so only rules 1 and 2 apply to them.
/// A copied name that is empty, ends in a separator or holds '*', '?' or '%' is no refusal: the
/// program's script runner copies exactly the file named, or nothing and says so; CheckLecture
/// reports such names.
///
/// Looks at nothing but `state.segments`, `state.params.media_name` (the recording's output copy
/// is one of the written names) and `state.player` (the player's names join them): no folder's
/// path and no disk. A check made before any output folder is chosen therefore finds exactly the
/// segments a run would refuse. A run reports the first entry and writes nothing more than its
/// probe file.
std::vector<SegmentRefusal> FindSegmentRefusals(const RunState& state);

/// True when the file name `name` (one component) is, ignoring case, the name of a file that a
/// run or its scripts write into the output folder: kopiruj.bat, proces.bat, event.txt, Skus.txt,
/// folie.htm, the four style assets, `media_name` (the recording's output copy), or a P, F, N or
/// slide page or a link file of any segment number (p01.htm to p999.htm, sld07.htm, r12.rpm ...).
/// Windows drops a name's trailing dots and spaces and reads "name:stream" as the file itself, so
/// `name` is compared in that form. With `player`, the player's names (IsPlayerOutputName) too.
bool IsOutputName(std::string_view name, std::string_view media_name, bool player = false);

/// The most bytes of a file name that a message shows; a longer one is cut and ends in "…".
inline constexpr size_t kLongestShownName = 80;

/// `name` as a message shows it: cut to kLongestShownName bytes and ended in "…" (Windows-1250)
/// when it is longer.
std::string ShownName(std::string_view name);

/// A refused segment's reason: "Súbor segmentu " + `number` + " „" + `name` + "“ " + `ending`,
/// where `ending` is one of the segment endings of messages.h and `name` is shown as ShownName
/// shows it.
std::string SegmentFileReason(int number, const std::string& name, const char* ending);

/// The refusal of a timing file with more than kMaxSegments segments (ReadTimingFile returns
/// false for it), numbered as the first segment past the limit.
SegmentRefusal TooManySegmentsRefusal();

}  // namespace orvello::core

#endif  // ORVELLO_CORE_RUN_REFUSALS_H_
