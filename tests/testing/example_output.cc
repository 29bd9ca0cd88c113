#include "example_output.h"

#include <algorithm>
#include <filesystem>

#include "platform/real_disk.h"
#include "test_util.h"

namespace orvello::cli {

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

std::map<std::string, std::string> ExampleOutput(const std::string& dir, const std::string& temp) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(testing::HostPath(dir))) {
    std::u8string utf8 = entry.path().filename().u8string();
    std::string name(utf8.begin(), utf8.end());
    std::string bytes = ReplaceAll(testing::ReadFileBytes(dir + "/" + name), temp, kTempMark);
    if (name.ends_with(".bat"))
      std::replace(bytes.begin(), bytes.end(), platform::kPathSeparator, '/');
    files[name] = bytes;
  }
  return files;
}

}  // namespace orvello::cli
