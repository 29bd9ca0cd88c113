#include "core/file_checks.h"

#include "core/io_error.h"

namespace orvello::core {

bool FileCanBeOpened(DiskInterface& disk, const std::string& path) {
  if (path.empty()) return false;
  try {
    disk.OpenForRead(path)->Close();
    return true;
  } catch (const IoError&) {
    return false;
  }
}

bool ProbeOutputDir(DiskInterface& disk, const std::string& dir) {
  if (dir.empty()) return false;
  try {
    disk.OpenForWrite(dir + disk.separator() + kProbeFileName)->Close();
    return true;
  } catch (const IoError&) {
    return false;
  }
}

}  // namespace orvello::core
