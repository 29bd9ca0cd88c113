// Implementation details: the converter's own words are UTF-8; a finding is Windows-1250, so a
// character the code page cannot hold shows as '?'.
#include "cli/converter_check.h"

#include <filesystem>

#include "cli/option_parser.h"
#include "core/encoding.h"
#include "core/job_parameters.h"
#include "core/player_names.h"
#include "platform/converter.h"

namespace orvello::cli {

namespace {

constexpr char kNoVideo[] =
    "; konvertuj.bat cannot convert the recording, and the player shows "
    "no video";

std::string InCp1250(const std::string& utf8) {
  std::string cp1250;
  if (core::Utf8ToCp1250(utf8, &cp1250)) return cp1250;
  cp1250.clear();
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) < 0x80) {
      cp1250.push_back(c);
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      cp1250.push_back('?');
    }
  }
  return cp1250;
}

core::Finding ProbeFinding(const std::string& media, const platform::RecordingProbe& probe) {
  std::string detail = InCp1250(probe.detail);
  if (probe.outcome == platform::RecordingProbe::Outcome::kUnreadable)
    return {media, 0, core::Severity::kWarning,
            "ffmpeg cannot read the recording (" + detail + "); the player shows no video"};
  return {media, 0, core::Severity::kWarning,
          "ffmpeg did not tell whether it reads the recording (" + detail + ")"};
}

}  // namespace

bool ChosenConverter(bool given, const std::string& utf8_path, std::string* converter,
                     std::string* err) {
  if (!given) {
    *converter = platform::FindConverter();
    return true;
  }
  std::error_code ec;
  auto path = std::filesystem::absolute(std::filesystem::u8path(utf8_path), ec).u8string();
  std::string absolute = ec ? utf8_path : std::string(path.begin(), path.end());
  return ToField("--ffmpeg", WithSystemSeparators(absolute), converter, err);
}

std::vector<core::Finding> CheckConverter(core::DiskInterface& disk, const core::CheckInput& input,
                                          const std::string& converter) {
  if (!input.style) return {};
  core::JobParameters params =
      core::DeriveJobParameters({input.media, "", "", *input.style, ""}, disk.separator());
  if (!core::StyleHasPlayer(disk, params.style_dir)) return {};
  if (converter.empty())
    return {{params.style_dir + core::kPlayerPageName, 0, core::Severity::kWarning,
             std::string("the style folder holds the player, but no ffmpeg was found") + kNoVideo}};
  if (!platform::IsProgramFile(converter))
    return {{converter, 0, core::Severity::kWarning,
             std::string("the converter is not a program that runs here") + kNoVideo}};
  platform::RecordingProbe probe = platform::ProbeRecording(converter, input.media, kProbeTimeout);
  if (probe.outcome == platform::RecordingProbe::Outcome::kReadable) return {};
  return {ProbeFinding(input.media, probe)};
}

}  // namespace orvello::cli
