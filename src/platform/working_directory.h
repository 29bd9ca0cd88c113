#ifndef ORVELLO_PLATFORM_WORKING_DIRECTORY_H_
#define ORVELLO_PLATFORM_WORKING_DIRECTORY_H_

#include <string>

namespace orvello::platform {

/// `path` (Windows-1250) taken from the program's working directory. An empty path comes back as
/// it is, and so does every path whose absolute form Windows-1250 cannot hold. On POSIX systems a
/// relative path gets the working directory and a separator in front and an absolute one stays
/// as it is; on Windows the system makes every path absolute (GetFullPathNameW), which also
/// settles "." and "..", "/" as a separator, a path from the current drive's root ("\lecture")
/// and one relative to another drive's current folder ("D:lecture").
std::string AbsolutePath(const std::string& path);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WORKING_DIRECTORY_H_
