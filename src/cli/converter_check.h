#ifndef ORVELLO_CLI_CONVERTER_CHECK_H_
#define ORVELLO_CLI_CONVERTER_CHECK_H_

#include <chrono>
#include <string>
#include <vector>

#include "core/disk_interface.h"
#include "core/lecture_check.h"

namespace orvello::cli {

/// How long the check lets the converter read the recording.
inline constexpr std::chrono::milliseconds kProbeTimeout{10000};

/// The converter the run names: the one `--ffmpeg` gave (UTF-8, made absolute) when it was given,
/// else the system's (platform::FindConverter), in Windows-1250; "" when neither is there.
/// False with the reason in `*err` when the given path cannot be a field.
bool ChosenConverter(bool given, const std::string& utf8_path, std::string* converter,
                     std::string* err);

/// Warnings about the converter for a lecture whose style folder holds the player: none was found
/// (`converter` empty, or not a program that runs here), or it cannot read the recording, or it
/// could not tell within kProbeTimeout. Nothing without a style folder or without the player.
/// The converter runs only when it is there. Never throws.
std::vector<core::Finding> CheckConverter(core::DiskInterface& disk, const core::CheckInput& input,
                                          const std::string& converter);

}  // namespace orvello::cli

#endif  // ORVELLO_CLI_CONVERTER_CHECK_H_
