#include "platform/working_directory.h"

#include <filesystem>

#include "platform/win32_text.h"

namespace orvello::platform {

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::string absolute;
  std::wstring full = FullPath(WideFromCp1250(path));
  if (full.empty() || !Cp1250FromWide(full, &absolute)) return path;
  return absolute;
}

std::string AbsoluteUtf8Path(const std::string& path) {
  if (path.empty()) return path;
  std::filesystem::path typed(WideFromUtf8(path));
  if (typed.is_absolute()) return Utf8FromWide(typed.make_preferred().native());
  std::wstring full = FullPath(typed.native());
  return full.empty() ? path : Utf8FromWide(full);
}

}  // namespace orvello::platform
