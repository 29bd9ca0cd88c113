#ifndef ORVELLO_CLI_COMMAND_OPTIONS_H_
#define ORVELLO_CLI_COMMAND_OPTIONS_H_

// The options of orvello-cli's commands: each command's parser reads its list, and the help is
// printed from the same lists. An option two commands take is one Option, with one meaning.

#include "cli/option_parser.h"

namespace orvello::cli {

inline constexpr Option kMediaOption = {"--media", "PATH", &CommandLine::media, nullptr,
                                        "the recording (.rm); its folder holds the segment files"};
inline constexpr Option kOutOption = {"--out", "DIR", &CommandLine::out, nullptr,
                                      "the output folder; it must exist and be writable"};
inline constexpr Option kStyleOption = {
    "--style", "DIR", &CommandLine::style, &CommandLine::style_given,
    "the style folder with the page templates and the site's images"};
inline constexpr Option kProducerOption = {"--producer", "DIR", &CommandLine::producer,
                                           &CommandLine::producer_given,
                                           "the folder of the recording tool that proces.bat runs"};
inline constexpr Option kWebOption = {"--web", "URL", &CommandLine::web, nullptr,
                                      "the site's web address (optional; empty links stay local)"};
inline constexpr Option kFfmpegOption = {
    "--ffmpeg", "PATH", &CommandLine::ffmpeg, &CommandLine::ffmpeg_given,
    "the converter konvertuj.bat runs (optional; else ffmpeg on PATH,\n"
    "on Windows ffmpeg.exe beside orvello-cli.exe or on PATH)"};
inline constexpr Option kNoStartOption = {"--no-start", nullptr, nullptr, nullptr,
                                          "write everything but start no script"};
inline constexpr Option kWaitOption = {
    "--wait", nullptr, nullptr, nullptr,
    "start the scripts, wait for them and report their exit statuses;\n"
    "the conversion shows its progress as a percentage"};

/// What `publish` takes. Its switches choose how the scripts start, so at most one is given.
inline constexpr CommandOption kPublishOptions[] = {
    {&kMediaOption, true},    {&kOutOption, true},   {&kStyleOption, true},
    {&kProducerOption, true}, {&kWebOption, false},  {&kFfmpegOption, false},
    {&kNoStartOption, false}, {&kWaitOption, false},
};

/// What `check` takes.
inline constexpr CommandOption kCheckOptions[] = {
    {&kMediaOption, true},
    {&kStyleOption, false},
    {&kProducerOption, false},
    {&kFfmpegOption, false},
};

}  // namespace orvello::cli

#endif  // ORVELLO_CLI_COMMAND_OPTIONS_H_
