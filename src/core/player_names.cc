#include "core/player_names.h"

#include "core/file_checks.h"
#include "core/file_names.h"
#include "core/io_error.h"
#include "core/output_names.h"

namespace orvello::core {

namespace {

bool IsPlainConverterName(std::string_view name) {
  for (std::string_view ending : {"", ".exe", ".com", ".bat", ".cmd"}) {
    if (name.size() == sizeof(kPlainConverter) - 1 + ending.size() &&
        SameNameIgnoringCase(name, std::string(kPlainConverter).append(ending)))
      return true;
  }
  return false;
}

}  // namespace

std::string ClipVideoName(int number) {
  return std::string("klip").append(TwoDigitNumber(number)).append(".mp4");
}

bool StyleHasPlayer(DiskInterface& disk, const std::string& style_dir) {
  int code = OpenForReadError(disk, style_dir + kPlayerPageName);
  return code != kFileNotFound && code != kInvalidFilename;
}

bool IsPlayerOutputName(std::string_view name) {
  if (IsPlainConverterName(name)) return true;
  // A video's temporary name is its final name and ".tmp".
  std::string_view final_name = name;
  constexpr size_t kEnding = sizeof(kTemporaryEnding) - 1;
  if (final_name.size() > kEnding &&
      SameNameIgnoringCase(final_name.substr(final_name.size() - kEnding), kTemporaryEnding))
    final_name.remove_suffix(kEnding);
  if (IsNumberedName(final_name, "klip", ".mp4") || SameNameIgnoringCase(final_name, kVideoName))
    return true;
  const std::string fixed[] = {kPlayerPageName, kPlayerAssets[0], kPlayerAssets[1], kChaptersName,
                               std::string(kConvertScriptName) + ".bat"};
  for (const std::string& written : fixed) {
    if (SameNameIgnoringCase(name, written)) return true;
  }
  return false;
}

}  // namespace orvello::core
