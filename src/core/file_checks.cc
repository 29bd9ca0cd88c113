#include "core/file_checks.h"

#include "core/io_error.h"

namespace orvello::core {

bool FileCanBeOpened(DiskInterface& disk, const std::string& path) {
  return !path.empty() && OpenForReadError(disk, path) == 0;
}

int OpenForReadError(DiskInterface& disk, const std::string& path) {
  try {
    disk.OpenForRead(path)->Close();
    return 0;
  } catch (const IoError& error) {
    return error.code();
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
