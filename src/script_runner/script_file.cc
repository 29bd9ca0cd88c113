#include "script_runner/script_file.h"

#include <memory>

#include "core/disk_interface.h"
#include "core/encoding.h"
#include "core/io_error.h"

namespace orvello::script_runner {

bool ReadScriptFile(core::DiskInterface& disk, const std::string& name, std::string* script,
                    std::string* problem) {
  std::string path;
  if (!core::Utf8ToCp1250(name, &path)) {
    *problem = core::IoError(core::kInvalidFilename).DisplayText();
    return false;
  }
  try {
    std::unique_ptr<core::InputFile> file = disk.OpenForRead(path);
    script->clear();
    char block[64 * 1024];
    while (size_t count = file->Read(block, sizeof block)) script->append(block, count);
    file->Close();
    return true;
  } catch (const core::IoError& error) {
    *problem = error.DisplayText();
    return false;
  }
}

}  // namespace orvello::script_runner
