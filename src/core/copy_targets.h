#ifndef ORVELLO_CORE_COPY_TARGETS_H_
#define ORVELLO_CORE_COPY_TARGETS_H_

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/disk_interface.h"
#include "core/job_parameters.h"
#include "core/run_state.h"
#include "core/segment_table.h"

namespace orvello::core {

/// Where kopiruj.bat copies the segment file `name` to: OutputDirBare for a plain name, or one
/// that names no file (ending in a separator), as the copy lines have always read; for a file in
/// a sub-folder the whole path of the copy, OutputDir + `name` with each '/' as `separator`, so
/// that the file keeps its sub-folder there.
std::string CopyDestination(const JobParameters& params, std::string_view name, char separator);

/// Creates in the output folder, through `disk`, the sub-folders that the copied segment files of
/// `state` keep, parents first; a folder already there is kept. A name longer than kLongestPath
/// gets none. Throws IoError.
void CreateCopySubFolders(DiskInterface& disk, const RunState& state);

/// Finds the copied segment files that would land on one place in the output folder: two
/// different names of one file, or a file where another name needs a folder. Names are compared
/// as Windows compares them, on every system, since a timing file travels between systems: in any
/// case, with '/' and '\\' as one separator, without empty and "." components, and without a
/// component's trailing dots and spaces. The same name twice (one slide shown in two segments)
/// lands on one file with the same contents, and is fine.
class CopyClashFinder {
 public:
  /// With `player`, a sub-folder named like one of the player's files clashes too.
  explicit CopyClashFinder(std::string_view media_name, bool player = false)
      : media_name_(media_name), player_(player) {}

  /// Why segment `number` cannot be copied beside the segments added before it (a refused
  /// segment's reason, as SegmentFileReason gives it), or nothing; then remembers where it lands.
  /// A segment that is not copied, names no file (an empty name, one ending in a separator) or is
  /// named longer than kLongestPath is never refused. `segment` must outlive the finder.
  std::optional<std::string> Add(const Segment& segment, int number);

 private:
  /// A file or a folder in the output folder.
  struct Place {
    int segment = 0;                    ///< the first segment whose name leads there
    const std::string* file = nullptr;  ///< the name of the file copied there; none for a folder
  };
  /// The place `component` below the place `parent`, or npos.
  size_t Find(size_t parent, const std::string& component) const;
  std::optional<std::string> Clash(const Segment& segment, int number,
                                   const std::vector<std::string>& components) const;

  std::string_view media_name_;
  bool player_;
  std::vector<Place> places_ = {Place{}};  ///< [0] is the output folder itself
  std::map<std::pair<size_t, std::string>, size_t> children_;
};

}  // namespace orvello::core

#endif  // ORVELLO_CORE_COPY_TARGETS_H_
