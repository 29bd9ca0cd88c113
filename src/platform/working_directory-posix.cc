#include "platform/working_directory.h"

#include <filesystem>
#include <system_error>

#include "core/encoding.h"

namespace orvello::platform {

namespace {

// The working directory's bytes, as the system gives them, and a separator before a relative
// `path`; `path` itself when it is empty or absolute, or the working directory is unknown.
std::string FromWorkingDirectory(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::error_code ec;
  std::string folder = std::filesystem::current_path(ec).string();
  if (ec) return path;
  if (folder.back() != '/') folder += '/';
  return folder + path;
}

}  // namespace

std::string AbsolutePath(const std::string& path) {
  std::string absolute;
  if (!core::Utf8ToCp1250(FromWorkingDirectory(core::Cp1250ToUtf8(path)), &absolute)) return path;
  return absolute;
}

std::string AbsoluteUtf8Path(const std::string& path) { return FromWorkingDirectory(path); }

}  // namespace orvello::platform
