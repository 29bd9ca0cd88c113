// Implementation details: names are taken apart with both '/' and '\\' as separators on every
// platform. A timing file travels between systems, and on Windows, where the scripts run, both
// separate folders; a POSIX name with a backslash in it is unusual enough to refuse with them.
// A file name may be as long as the whole timing file, so each is scanned once, in a plain loop
// (find_first_of searches its whole set once per byte), for everything the rules ask of it.
#include "core/run_refusals.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/batch_scripts.h"
#include "core/copy_targets.h"
#include "core/cp1250_literal.h"
#include "core/event_list.h"
#include "core/file_checks.h"
#include "core/file_names.h"
#include "core/index_page.h"
#include "core/messages.h"
#include "core/output_names.h"
#include "core/player_names.h"

namespace orvello::core {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsAbsolute(std::string_view name) {
  if (!name.empty() && IsNameSeparator(name[0])) return true;
  return name.size() >= 2 && IsAsciiLetter(name[0]) && name[1] == ':';
}

// "..", and what Windows trims to it (".. ", "..."): two dots or more and trailing spaces.
bool IsParentComponent(std::string_view component) {
  while (component.ends_with(' ')) component.remove_suffix(1);
  return component.size() >= 2 && component.find_first_not_of('.') == std::string_view::npos;
}

// What the rules ask of a name, found in one pass.
struct NameFacts {
  bool quote = false;     ///< a '"'
  bool parent = false;    ///< a ".." component
  std::string_view last;  ///< the last component
};

NameFacts Examine(std::string_view name) {
  NameFacts facts;
  const char* component = name.data();
  const char* end = name.data() + name.size();
  for (const char* at = name.data(); at != end; ++at) {
    const char c = *at;
    if (c == '/' || c == '\\') {
      facts.parent =
          facts.parent || IsParentComponent({component, static_cast<size_t>(at - component)});
      component = at + 1;
    } else if (c == '"') {
      facts.quote = true;
    }
  }
  facts.last = LastComponent(name);
  facts.parent =
      facts.parent || IsParentComponent({component, static_cast<size_t>(end - component)});
  return facts;
}

// The name as Windows opens it: up to a stream's ':', without trailing dots and spaces.
std::string_view WindowsForm(std::string_view name) {
  name = name.substr(0, name.find(':'));
  while (name.ends_with('.') || name.ends_with(' ')) name.remove_suffix(1);
  return name;
}

// prefix + a segment number as the output name table writes it + suffix, in any case.
bool IsSegmentFileName(std::string_view name) {
  static constexpr std::pair<std::string_view, std::string_view> kPatterns[] = {
      {"sld", ".htm"}, {"p", ".htm"}, {"f", ".htm"}, {"n", ".htm"}, {"r", ".ram"}, {"r", ".rpm"},
  };
  for (const auto& [prefix, suffix] : kPatterns) {
    if (IsNumberedName(name, prefix, suffix)) return true;
  }
  return false;
}

std::optional<std::string> ReasonFor(const Segment& segment, int number,
                                     std::string_view media_name, bool player) {
  const std::string& name = segment.file_name;
  const bool copied = CopiedByScript(segment);
  const NameFacts facts = Examine(name);
  if (facts.quote) return std::string(AfterCounter(kQuoteInNameMessage));
  if (IsAbsolute(name) || facts.parent)
    return SegmentFileReason(number, name, kOutsideFolderEnding);
  if (!copied) return std::nullopt;
  if (IsOutputName(facts.last, media_name, player))
    return SegmentFileReason(number, name, kReservedNameEnding);
  if (name.find(':') != std::string::npos) return SegmentFileReason(number, name, kStreamEnding);
  return std::nullopt;
}

}  // namespace

std::vector<SegmentRefusal> FindSegmentRefusals(const RunState& state) {
  std::vector<SegmentRefusal> refusals;
  CopyClashFinder clashes(state.params.media_name, state.player);
  for (int i = 1; i <= state.segments.count(); ++i) {
    const Segment& segment = state.segments.at(i);
    if (auto reason = ReasonFor(segment, i, state.params.media_name, state.player)) {
      refusals.push_back({i, std::move(*reason)});
    } else if (auto clash = clashes.Add(segment, i)) {
      refusals.push_back({i, std::move(*clash)});
    }
  }
  return refusals;
}

bool IsOutputName(std::string_view name, std::string_view media_name, bool player) {
  name = WindowsForm(name);
  if (player && IsPlayerOutputName(name)) return true;
  const std::string fixed[] = {std::string(kCopyScriptName) + ".bat",
                               std::string(kProcessScriptName) + ".bat", kEventListName,
                               kProbeFileName, kIndexPageName};
  for (const std::string& written : fixed) {
    if (SameNameIgnoringCase(name, written)) return true;
  }
  for (const char* asset : kStyleAssets) {
    if (SameNameIgnoringCase(name, asset)) return true;
  }
  if (!media_name.empty() && SameNameIgnoringCase(name, media_name)) return true;
  return IsSegmentFileName(name);
}

std::string ShownName(std::string_view name) {
  if (name.size() <= kLongestShownName) return std::string(name);
  return std::string(name.substr(0, kLongestShownName)).append("…"_cp1250);
}

// Built by appending: g++ 12 at -O3 takes chained + on literals for an overlapping copy.
std::string SegmentFileReason(int number, const std::string& name, const char* ending) {
  std::string reason = kSegmentFileText;
  reason.append(std::to_string(number)).append(" „"_cp1250).append(ShownName(name));
  return reason.append("“ "_cp1250).append(ending);
}

SegmentRefusal TooManySegmentsRefusal() {
  return {kMaxSegments + 1, std::string(AfterCounter(kTooManySegmentsMessage))};
}

}  // namespace orvello::core
