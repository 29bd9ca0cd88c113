#include "platform/working_directory.h"

#include <filesystem>
#include <system_error>

#include "core/encoding.h"

namespace orvello::platform {

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::error_code ec;
  std::filesystem::path cwd = std::filesystem::current_path(ec);
  std::string folder;
  if (ec || !core::Utf8ToCp1250(cwd.string(), &folder)) return path;
  if (folder.back() != '/') folder += '/';
  return folder + path;
}

}  // namespace orvello::platform
