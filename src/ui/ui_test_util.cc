// The helpers that are the same on every backend.
#include "ui/ui_test_util.h"

namespace orvello::ui::testing {

std::string Joined(const std::vector<std::string>& rows) {
  std::string joined;
  for (const std::string& row : rows) joined += row;
  return joined;
}

}  // namespace orvello::ui::testing
