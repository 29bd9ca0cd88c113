// The helpers that are the same on every backend.
#include "ui_test_util.h"

#include "platform/real_disk.h"
#include "ui/toolkit/application_base.h"

namespace orvello::ui::testing {

void SetNextFileName(Application& app, std::optional<std::string> utf8_path) {
  BaseOf(app).SetNextFileName(std::move(utf8_path));
}

std::string Joined(const std::vector<std::string>& rows) {
  std::string joined;
  for (const std::string& row : rows) joined += row;
  return joined;
}

std::string PathIn(const std::string& folder, std::string relative) {
  for (char& c : relative) {
    if (c == '/') c = platform::kPathSeparator;
  }
  return folder + platform::kPathSeparator + relative;
}

}  // namespace orvello::ui::testing
