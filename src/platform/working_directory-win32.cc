#include "platform/working_directory.h"

#include "platform/win32_text.h"

namespace orvello::platform {

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::string absolute;
  std::wstring full = FullPath(WideFromCp1250(path));
  if (full.empty() || !Cp1250FromWide(full, &absolute)) return path;
  return absolute;
}

}  // namespace orvello::platform
