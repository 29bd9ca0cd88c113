#ifndef ORVELLO_CLI_CHECK_COMMAND_H_
#define ORVELLO_CLI_CHECK_COMMAND_H_

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvello::cli {

/// Runs `check` with `args`: checks the lecture of `--media PATH` (the style folder of
/// `--style DIR`, with the player also the converter of `--ffmpeg PATH` or the system's, and that
/// the recording tool rmevents in `--producer DIR` can be run) and prints every finding on `out`
/// as "FILE:LINE: error: TEXT" or "FILE:LINE: warning: TEXT", then "N errors, M warnings".
/// Returns 0 without errors, 1 with errors, 2 when the recording or its timing file cannot be
/// read, 64 for a wrong command line.
int CheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// The most findings that the check before publishing prints; the run's own lines follow them.
inline constexpr size_t kMostFindingsBeforePublishing = 20;

/// The check that publishing makes first: prints the findings about the lecture of `media`,
/// `style` and `producer` (UTF-8, as given) and the run's `converter` (Windows-1250) on `err`, at
/// most kMostFindingsBeforePublishing of them (the recording tool's first) and then one line with
/// the number left out and the `check` command that lists the lecture's all, followed by their
/// count; nothing when there are none. A file the check cannot read is left to the run to report.
void CheckBeforePublishing(const std::string& media, const std::string& style,
                           const std::string& producer, const std::string& converter,
                           std::ostream& err);

}  // namespace orvello::cli

#endif  // ORVELLO_CLI_CHECK_COMMAND_H_
