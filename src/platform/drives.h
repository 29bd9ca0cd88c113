#ifndef ORVELLO_PLATFORM_DRIVES_H_
#define ORVELLO_PLATFORM_DRIVES_H_

#include <string>
#include <vector>

namespace orvello::platform {

/// The roots a directory picker offers as drives, Windows-1250, each once: on Windows the root of
/// every drive letter in order ("C:\", "D:\", ...); elsewhere "/" first, then the mount points of
/// the other file systems that live on a device, or in memory (tmpfs), and are folders, outside
/// the system's /dev, /proc, /sys, /var/run and /var/lock, sorted. A root whose name
/// Windows-1250 cannot hold is left out.
std::vector<std::string> ListDrives();

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_DRIVES_H_
