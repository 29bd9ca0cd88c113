#ifndef ORVELLO_CORE_SETTINGS_FILE_H_
#define ORVELLO_CORE_SETTINGS_FILE_H_

#include <cstddef>
#include <string>

#include "core/disk_interface.h"
#include "core/file_names.h"

namespace orvello::core {

/// The two settings the desktop program keeps from one start to the next.
struct Settings {
  std::string style;     ///< the style folder's field
  std::string producer;  ///< the recording tool's folder's field
};

/// The settings file's name; it lies in a style folder.
inline constexpr char kSettingsFileName[] = "data.txt";

/// The most bytes of a settings line that are read. Each line is a folder's path, and no file
/// system takes a longer one (kLongestPath). (A line of hundreds of megabytes once took gigabytes
/// of memory, and then the program, down in the text layout of the field that was to show it.)
inline constexpr size_t kLongestSetting = kLongestPath;

/// Reads the settings file `path`: line 1 the style field, line 2 the producer field, each up to
/// its line end by the program's text-file rules (a file with one line leaves the producer
/// empty). A line longer than kLongestSetting is cut there; the rest of it is skipped without
/// being kept. Throws IoError.
Settings LoadSettings(DiskInterface& disk, const std::string& path);

/// Writes `settings` to `path` as the style line, CR LF and the producer line, with no line end
/// after it, through a temporary file, so that a failed save leaves the old file whole. Throws
/// IoError.
void SaveSettings(DiskInterface& disk, const std::string& path, const Settings& settings);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_SETTINGS_FILE_H_
