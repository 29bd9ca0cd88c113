#include "core/player_data.h"

#include <map>

#include "core/encoding.h"
#include "core/file_names.h"
#include "core/html_title.h"
#include "core/player_names.h"

namespace orvello::core {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number of the two digits at `at`, when both are digits and make less than 60.
std::optional<int64_t> Sexagesimal(std::string_view text, size_t at) {
  if (!IsDigit(text[at]) || !IsDigit(text[at + 1]) || text[at] > '5') return std::nullopt;
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

PlayerSegment EntryFor(DiskInterface& disk, const RunState& state, int i, int clip) {
  const Segment& segment = state.segments.at(i);
  PlayerSegment entry;
  entry.number = i;
  entry.type = Cp1250ToUtf8(std::string_view(&segment.type, 1));
  entry.title = Cp1250ToUtf8(NameWithoutExtension(segment.file_name));
  entry.page = state.names.at(i).p;
  if (segment.type == 'V') {
    entry.shows = ClipVideoName(clip);
    entry.thumbnail = "video.gif";
  } else if (segment.type == 'H') {
    entry.shows = state.names.at(i).slide;
    entry.thumbnail = "web.gif";
    std::string title = ReadHtmlTitle(disk, state.params.media_dir + segment.file_name);
    if (!title.empty()) entry.title = std::move(title);
  } else {
    entry.shows = entry.thumbnail = Cp1250ToUtf8(segment.file_name);
  }
  return entry;
}

}  // namespace

std::optional<int64_t> ParsePlayerTime(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  size_t colon = text.find(':');
  if (colon == 0 || colon > 9 || colon == std::string_view::npos || text.size() != colon + 6 ||
      text[colon + 3] != ':')
    return std::nullopt;
  int64_t hours = 0;
  for (char c : text.substr(0, colon)) {
    if (!IsDigit(c)) return std::nullopt;
    hours = hours * 10 + (c - '0');
  }
  std::optional<int64_t> minutes = Sexagesimal(text, colon + 1);
  std::optional<int64_t> seconds = Sexagesimal(text, colon + 4);
  if (!minutes || !seconds) return std::nullopt;
  return (hours * 60 + *minutes) * 60 + *seconds;
}

std::string_view NameWithoutExtension(std::string_view name) {
  size_t cut = LastSeparator(name);
  if (cut != std::string_view::npos) name.remove_prefix(cut + 1);
  size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

std::vector<int> ClipNumbers(const SegmentTable& segments) {
  std::vector<int> numbers(static_cast<size_t>(segments.count()), 0);
  std::map<std::string_view, int> first;
  for (int i = 1; i <= segments.count(); ++i) {
    const Segment& segment = segments.at(i);
    if (segment.type == 'V')
      numbers[static_cast<size_t>(i - 1)] = first.emplace(segment.file_name, i).first->second;
  }
  return numbers;
}

std::vector<PlayerSegment> BuildPlayerSegments(DiskInterface& disk, const RunState& state) {
  std::vector<int> clips = ClipNumbers(state.segments);
  std::vector<PlayerSegment> entries;
  int64_t previous_end = 0;
  for (int i = 1; i <= state.segments.count(); ++i) {
    PlayerSegment entry = EntryFor(disk, state, i, clips[static_cast<size_t>(i - 1)]);
    entry.start = ParsePlayerTime(state.segments.at(i).start).value_or(previous_end);
    entry.end = ParsePlayerTime(state.segments.at(i).end).value_or(entry.start);
    previous_end = entry.end;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace orvello::core
