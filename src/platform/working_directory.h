#ifndef ORVELLO_PLATFORM_WORKING_DIRECTORY_H_
#define ORVELLO_PLATFORM_WORKING_DIRECTORY_H_

#include <string>

namespace orvello::platform {

/// `path` (Windows-1250) taken from the program's working directory, as the desktop program
/// takes its fields. An empty path comes back as it is, and so does every path whose absolute
/// form Windows-1250 cannot hold. On POSIX systems a relative path gets the working directory and
/// a separator in front and an absolute one stays as it is; on Windows the system makes every
/// path absolute (GetFullPathNameW), which also settles "." and "..", "/" as a separator, a path
/// from the current drive's root ("\lecture") and one relative to another drive's current folder
/// ("D:lecture").
std::string AbsolutePath(const std::string& path);

/// `path` (UTF-8) taken from the working directory as AbsolutePath takes it, as the command line
/// takes its options, with two differences: the result is UTF-8 and may hold any character (the
/// command line then refuses what Windows-1250 cannot hold, naming the absolute form), and on
/// Windows a path with a drive and its root ("C:/lecture/../a.rm") is kept as typed but for "\"
/// in place of "/". An empty path, and one the system cannot make absolute, comes back as it is.
std::string AbsoluteUtf8Path(const std::string& path);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WORKING_DIRECTORY_H_
