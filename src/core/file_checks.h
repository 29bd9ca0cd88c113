#ifndef ORVELLO_CORE_FILE_CHECKS_H_
#define ORVELLO_CORE_FILE_CHECKS_H_

#include <string>

#include "core/disk_interface.h"

namespace orvello::core {

/// The probe file a run leaves in the output folder; the copy script deletes it.
inline constexpr char kProbeFileName[] = "Skus.txt";

/// True when `path` is not empty and opens for reading and closes again. Never throws.
bool FileCanBeOpened(DiskInterface& disk, const std::string& path);

/// 0 when `path` opens for reading and closes again, else the code of the IoError that the open
/// or the close would raise (DiskInterface::Probe). Never throws.
int OpenForReadError(DiskInterface& disk, const std::string& path);

/// True when the empty probe file can be created (or emptied) in `dir` and closed; the file stays.
/// An empty `dir` is refused, so a lecture never lands in the root folder. Never throws.
bool ProbeOutputDir(DiskInterface& disk, const std::string& dir);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_FILE_CHECKS_H_
