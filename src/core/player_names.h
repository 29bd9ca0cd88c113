#ifndef ORVELLO_CORE_PLAYER_NAMES_H_
#define ORVELLO_CORE_PLAYER_NAMES_H_

#include <string>
#include <string_view>

#include "core/disk_interface.h"

namespace orvello::core {

/// The player's template in the style folder, and the page the run writes from it.
inline constexpr char kPlayerPageName[] = "prehravac.htm";
/// The player's script and style sheet: style assets that kopiruj.bat copies with the player.
inline constexpr const char* kPlayerAssets[] = {"prehravac.js", "prehravac.css"};
/// The segments as WebVTT chapters.
inline constexpr char kChaptersName[] = "kapitoly.vtt";
/// The third script, which converts the recording and the clips; its file carries ".bat".
inline constexpr char kConvertScriptName[] = "konvertuj";
/// The recording converted for the browser.
inline constexpr char kVideoName[] = "zaznam.mp4";
/// What a conversion writes first, after the final name; renamed to it when complete.
inline constexpr char kTemporaryEnding[] = ".tmp";
/// The converter a script runs when the front end found none: looked for when the script runs.
inline constexpr char kPlainConverter[] = "ffmpeg";

/// The converted video of the clip that segment `number` shows first: "klip" NN ".mp4".
std::string ClipVideoName(int number);

/// True when the style folder `style_dir` (with its trailing separator) holds the player's
/// template, so that the run writes the player: the template opens, or exists and fails to open
/// for another reason than being missing (the run then reports that failure when it copies the
/// template). Never throws.
bool StyleHasPlayer(DiskInterface& disk, const std::string& style_dir);

/// True when the file name `name` (one component, in the form Windows opens it) is, ignoring
/// case, one the player's part of a run writes into the output folder or runs from there: the
/// page, its two assets, the chapters, konvertuj.bat, zaznam.mp4 and klipNN.mp4 of any segment
/// number, each also with ".tmp", and the plain converter's program names (ffmpeg, ffmpeg.exe,
/// .com, .bat, .cmd), which a script that names the converter without a folder may find in the
/// output folder.
bool IsPlayerOutputName(std::string_view name);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_PLAYER_NAMES_H_
