#ifndef ORVELLO_PLATFORM_WORKING_DIRECTORY_H_
#define ORVELLO_PLATFORM_WORKING_DIRECTORY_H_

#include <string>

namespace orvello::platform {

/// `path` (Windows-1250) taken from the program's working directory: a relative path gets the
/// working directory and a separator in front; an empty or absolute path comes back as it is, and
/// so does every path while the working directory's name is not Windows-1250.
std::string AbsolutePath(const std::string& path);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_WORKING_DIRECTORY_H_
