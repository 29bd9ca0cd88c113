#include "core/file_checks.h"

namespace orvello::core {

bool FileCanBeOpened(DiskInterface& disk, const std::string& path) {
  return !path.empty() && OpenForReadError(disk, path) == 0;
}

int OpenForReadError(DiskInterface& disk, const std::string& path) {
  int code = 0;
  disk.Probe(path, ProbeAccess::kRead, &code);
  return code;
}

bool ProbeOutputDir(DiskInterface& disk, const std::string& dir) {
  int code = 0;
  return !dir.empty() && disk.Probe(dir + disk.separator() + kProbeFileName, ProbeAccess::kWrite,
                                    &code) == ProbeStatus::kOkay;
}

}  // namespace orvello::core
