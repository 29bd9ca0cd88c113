// Implementation details: the clash finder keeps the places that the names lead to as a tree of
// their components, one map entry per component, so that a name is taken apart once however
// deep it goes, and no folder's whole path is ever copied per component.
#include "core/copy_targets.h"

#include <set>

#include "core/batch_scripts.h"
#include "core/file_names.h"
#include "core/messages.h"
#include "core/run_refusals.h"

namespace orvello::core {

namespace {

bool IsSeparatorOn(char c, char separator) { return c == '/' || c == separator; }

// The components of `name` as Windows reads them, in upper case (see CopyClashFinder).
std::vector<std::string> WindowsComponents(std::string_view name) {
  std::vector<std::string> components;
  size_t start = 0;
  for (size_t at = 0; at <= name.size(); ++at) {
    if (at < name.size() && !IsNameSeparator(name[at])) continue;
    std::string_view component = name.substr(start, at - start);
    start = at + 1;
    while (component.ends_with('.') || component.ends_with(' ')) component.remove_suffix(1);
    if (!component.empty()) components.push_back(UpperCaseName(component));
  }
  return components;
}

// Creates each folder of `folders` (a name's sub-folder part) below `path`, the output folder
// with its trailing separator.
void CreateFolders(DiskInterface& disk, std::string path, std::string_view folders) {
  const char separator = disk.separator();
  bool first = true;
  size_t start = 0;
  for (size_t at = 0; at <= folders.size(); ++at) {
    if (at < folders.size() && !IsSeparatorOn(folders[at], separator)) continue;
    std::string_view component = folders.substr(start, at - start);
    start = at + 1;
    if (component.empty() || component == ".") continue;
    if (!first) path.push_back(separator);
    path.append(component);
    first = false;
    disk.CreateFolder(path);
  }
}

// The last separator of `name` as the system with the path separator `separator` reads it ('/'
// everywhere, and `separator`), or npos.
size_t LastSeparatorOn(std::string_view name, char separator) {
  for (size_t at = name.size(); at > 0; --at) {
    if (IsSeparatorOn(name[at - 1], separator)) return at - 1;
  }
  return std::string_view::npos;
}

// The end of the sub-folder part of `name`, or npos when it names a file without one, or no file
// at all (a name ending in a separator, which copies nothing).
size_t SubFolderEnd(std::string_view name, char separator) {
  size_t cut = LastSeparatorOn(name, separator);
  return cut + 1 == name.size() ? std::string_view::npos : cut;
}

}  // namespace

std::string CopyDestination(const JobParameters& params, std::string_view name, char separator) {
  if (SubFolderEnd(name, separator) == std::string_view::npos) return params.output_dir_bare;
  std::string destination = params.output_dir;
  for (char c : name) destination.push_back(c == '/' ? separator : c);
  return destination;
}

void CreateCopySubFolders(DiskInterface& disk, const RunState& state) {
  std::set<std::string_view> done;
  for (int i = 1; i <= state.segments.count(); ++i) {
    const Segment& segment = state.segments.at(i);
    if (!CopiedByScript(segment)) continue;
    std::string_view name = segment.file_name;
    if (name.size() > kLongestPath) continue;  // its copy fails on any system
    size_t cut = SubFolderEnd(name, disk.separator());
    if (cut != std::string_view::npos && done.insert(name.substr(0, cut)).second)
      CreateFolders(disk, state.params.output_dir, name.substr(0, cut));
  }
}

std::optional<std::string> CopyClashFinder::Add(const Segment& segment, int number) {
  // A name no file system takes, or one that names no file, lands nowhere: its copy fails or
  // copies nothing, whatever else is copied.
  const std::string& name = segment.file_name;
  if (!CopiedByScript(segment) || name.size() > kLongestPath || name.empty() ||
      IsNameSeparator(name.back())) {
    return std::nullopt;
  }
  std::vector<std::string> components = WindowsComponents(name);
  if (components.empty()) return std::nullopt;
  if (auto reason = Clash(segment, number, components)) return reason;
  size_t at = 0;
  for (size_t k = 0; k < components.size(); ++k) {
    auto [child, added] = children_.try_emplace({at, std::move(components[k])}, places_.size());
    if (added) {
      bool last = k + 1 == components.size();
      places_.push_back({number, last ? &name : nullptr});
    }
    at = child->second;
  }
  return std::nullopt;
}

size_t CopyClashFinder::Find(size_t parent, const std::string& component) const {
  auto child = children_.find({parent, component});
  return child == children_.end() ? std::string::npos : child->second;
}

std::optional<std::string> CopyClashFinder::Clash(
    const Segment& segment, int number, const std::vector<std::string>& components) const {
  const std::string& name = segment.file_name;
  if (components.size() > 1 && IsOutputName(components.front(), media_name_, player_))
    return SegmentFileReason(number, name, kReservedNameEnding);
  size_t at = 0;
  for (size_t k = 0; k < components.size(); ++k) {
    at = Find(at, components[k]);
    if (at == std::string::npos) return std::nullopt;
    const Place& place = places_[at];
    bool last = k + 1 == components.size();
    if (last && place.file != nullptr && *place.file == name) return std::nullopt;
    if (last || place.file != nullptr) {
      std::string ending = kSamePlaceEnding;
      ending.append(std::to_string(place.segment)).push_back('.');
      return SegmentFileReason(number, name, ending.c_str());
    }
  }
  return std::nullopt;
}

}  // namespace orvello::core
