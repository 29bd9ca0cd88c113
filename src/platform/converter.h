#ifndef ORVELLO_PLATFORM_CONVERTER_H_
#define ORVELLO_PLATFORM_CONVERTER_H_

#include <chrono>
#include <string>

namespace orvello::platform {

/// The converter (ffmpeg) that konvertuj.bat runs, as the front ends find it: on POSIX systems
/// `ffmpeg` in a folder of PATH; on Windows `ffmpeg.exe` beside the running program, else in a
/// folder of PATH. Its path in Windows-1250, or "" when there is none or Windows-1250 cannot hold
/// its path (the run then names plain "ffmpeg", which the script runner looks for on PATH).
std::string FindConverter();

/// True when `path` (Windows-1250) names a file this system can run as a program.
bool IsProgramFile(const std::string& path);

/// What the converter made of a recording (ProbeRecording).
struct RecordingProbe {
  enum class Outcome {
    kReadable,    ///< it decoded the recording's first second
    kUnreadable,  ///< it failed on it; `detail` holds its first error line
    kUnknown,     ///< it could not be started or did not end in time; `detail` says which
  };
  Outcome outcome = Outcome::kUnknown;
  std::string detail;  ///< UTF-8
};

/// Has the converter `converter` decode the first second of the recording `media` (both
/// Windows-1250), with its output thrown away and its standard input closed, and waits for it at
/// most `timeout`, ending it after that. Never throws.
RecordingProbe ProbeRecording(const std::string& converter, const std::string& media,
                              std::chrono::milliseconds timeout);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_CONVERTER_H_
